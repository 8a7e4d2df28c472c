// The output box of the main window: new text lands at the end wherever the user clicked or
// selected in the box meanwhile, and shows and copies as lines however it is grouped.
#include "gui/OutputBox.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>

class TestOutputBox : public QObject
{
    Q_OBJECT

private slots:
    void newTextAtTheEnd_data()
    {
        QTest::addColumn<QString>("user"); // what the user did in the box before the text came
        QTest::addColumn<int>("lines");    // then added, so many at a time:
        QTest::addColumn<int>("chunk");
        QTest::newRow("a word selected") << "select" << 2 << 1;
        QTest::newRow("clicked into the box") << "click" << 2 << 1;
        // However the box groups lines into paragraphs, they show and copy as lines.
        QTest::newRow("cursor in the middle, lines one at a time past a paragraph")
            << "middle" << 40 << 1;
        QTest::newRow("100 lines in chunks of 7") << "click" << 100 << 7;
    }

    void newTextAtTheEnd()
    {
        QFETCH(QString, user);
        QFETCH(int, lines);
        QFETCH(int, chunk);

        QPlainTextEdit edit;
        edit.setReadOnly(true);
        edit.resize(400, 300);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        OutputBox box(&edit);
        box.append("before the clear\n");
        box.clear();
        box.append("Record,Date\nA,1\nB,2\n");
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(8);
        if (user == "select")
            cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        if (user == "click")
            QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(edit.textCursor().position() < edit.toPlainText().size());

        QString all = QStringLiteral("Record,Date\nA,1\nB,2\n"), part;
        for (int line = 1; line <= lines; ++line) {
            part += QStringLiteral("%1,result\n").arg(line);
            if (line % chunk == 0 || line == lines) {
                box.append(part);
                all += part;
                part.clear();
            }
        }
        QCOMPARE(edit.toPlainText(), all);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestOutputBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_outputbox.moc"
