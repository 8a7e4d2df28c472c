// The output box of the main window: new text lands at the end wherever the user clicked or
// selected in the box meanwhile, and lines are grouped into paragraphs that still show and
// copy as lines.
#include "gui/OutputBox.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

class TestOutputBox : public QObject
{
    Q_OBJECT

private slots:
    void newTextAtTheEnd_data()
    {
        QTest::addColumn<QString>("user"); // what the user did in the box before the text came
        QTest::newRow("nothing") << "";
        QTest::newRow("cursor at the start") << "start";
        QTest::newRow("cursor in the middle") << "middle";
        QTest::newRow("a word selected") << "select";
        QTest::newRow("clicked into the box") << "click";
    }

    void newTextAtTheEnd()
    {
        QFETCH(QString, user);

        QPlainTextEdit edit;
        edit.setReadOnly(true);
        edit.resize(400, 300);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        OutputBox box(&edit);
        box.append("Record,Date\nA,1\nB,2\n");
        QTextCursor cursor = edit.textCursor();
        if (user == "start")
            cursor.movePosition(QTextCursor::Start);
        if (user == "middle" || user == "select")
            cursor.setPosition(8);
        if (user == "select")
            cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        if (user == "click")
            QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QVERIFY(user.isEmpty() || edit.textCursor().position() < edit.toPlainText().size());

        box.append("C,3\n");
        box.append("D,4\n");
        QCOMPARE(edit.toPlainText(), QStringLiteral("Record,Date\nA,1\nB,2\nC,3\nD,4\n"));
    }

    void linesGroupedIntoParagraphs_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("chunk"); // lines per append
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("a few lines") << 5 << 5 << 1;
        QTest::newRow("one line short of a paragraph") << 31 << 1 << 1;
        QTest::newRow("one paragraph and an empty one") << 32 << 1 << 2;
        QTest::newRow("100 lines in chunks of 7") << 100 << 7 << 4;
    }

    void linesGroupedIntoParagraphs()
    {
        QFETCH(int, lines);
        QFETCH(int, chunk);
        QFETCH(int, paragraphs);

        QPlainTextEdit edit;
        OutputBox box(&edit);
        box.append("before the clear\n");
        box.clear();
        QString all, part;
        for (int line = 1; line <= lines; ++line) {
            part += QStringLiteral("%1,result\n").arg(line);
            if (line % chunk == 0 || line == lines) {
                box.append(part);
                all += part;
                part.clear();
            }
        }
        QCOMPARE(edit.document()->blockCount(), paragraphs);
        // Shown and copied as lines, whatever the grouping.
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
