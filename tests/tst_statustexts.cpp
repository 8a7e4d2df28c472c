// Every status bar message the window shows on a walk through its downloads, in every language,
// can be read at the default size (in full, or cut with the whole in its tooltip) without the
// bar growing past three lines: beside the busy indicator, and after the session beside the
// widest completeness warning, with each note of a download not archived (read from the
// catalogue, none copied here). And the output box: new text lands at the end wherever the user
// clicked, and shows and copies as lines however it is grouped.
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/InstallPaths.h"
#include "download/DownloadSession.h"
#include "gui/CompletenessIndicator.h"
#include "gui/MainWindow.h"
#include "gui/OutputBox.h"
#include "translation/TranslationCatalogue.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace TestSupport;

namespace {

// Why text, shown in the status bar, cannot be read (in full, or cut with the whole in the
// label's tooltip and accessible name), or takes more of the window than three lines of text
// (maxHeight); empty when it fits.
QString misfit(QWidget *window, QStatusBar *bar, const QString &text, int maxHeight)
{
    bar->showMessage(text);
    for (int i = 0; i < 3; ++i) // the layouts settle as before the next paint
        QCoreApplication::processEvents();
    if (!QRect(QPoint(), window->size()).contains(bar->geometry()))
        return QStringLiteral("the status bar is outside the window");
    if (bar->height() > maxHeight)
        return QStringLiteral("the status bar is %1 pixels tall, more than three lines (%2)")
            .arg(bar->height())
            .arg(maxHeight);
    for (QLabel *label : bar->findChildren<QLabel *>()) {
        if (!label->isVisible() || (label->text() != text &&
                                    (label->toolTip() != text || label->accessibleName() != text)))
            continue;
        const QString shown = label->text();
        const QRect space = label->contentsRect();
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QFontMetrics metrics = label->fontMetrics();
        QRect needed = metrics.boundingRect(QRect(0, 0, space.width(), 100000), flags, shown);
        needed.setHeight(needed.height() - qMax(0, metrics.leading())); // blank under the last line
        if (!space.contains(needed.translated(space.topLeft())))
            return QStringLiteral("needs %1 x %2 pixels, the label has %3 x %4")
                .arg(needed.width())
                .arg(needed.height())
                .arg(space.width())
                .arg(space.height());
        if (!bar->rect().contains(label->geometry()))
            return QStringLiteral("the label is cut by the status bar");
        return QString();
    }
    return QStringLiteral("no label of the status bar shows it");
}

// The translations of the catalogue's messages of context for which pick holds, numbers as a
// download of 12 MB has them.
QStringList translated(const char *context,
                       const std::function<bool(const TranslationCatalogue::Message &)> &pick)
{
    QStringList texts;
    const QByteArray qm =
        contents(InstallPaths::translationsDirectory() + "/DravlinDataLogger_de.qm");
    for (const auto &key : TranslationCatalogue::messages(qm)) {
        if (key.context != context || !pick(key))
            continue;
        QString text = QCoreApplication::translate(key.context, key.sourceText, key.comment,
                                                   key.sourceText.contains("%n") ? 5 : -1);
        for (int n = 1; n <= 3 && text.contains(QStringLiteral("%%1").arg(n)); ++n)
            text = text.arg(QLocale().toString(12345678));
        texts << text;
    }
    return texts;
}

} // namespace

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { StartupCycle::setApplicationIdentity(); }
    void init() { QSettings().clear(); }

    void readableAtDefaultSize_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *code : {"en", "de", "fr", "es", "it", "nl"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void readableAtDefaultSize()
    {
        QFETCH(QString, language);

        QTranslator translator;
        QVERIFY(translator.load(InstallPaths::translationsDirectory() +
                                QStringLiteral("/DravlinDataLogger_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QLocale::setDefault(QLocale(language));
        // Where the program's data folder should be, a file: no download is archived.
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QVERIFY(put(home.filePath("DRAVLIN"), "a file"));

        MainWindow window;
        UiDriver driver(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(451, 367)); // no stored geometry: the default size
        auto *bar = window.findChild<QStatusBar *>(QStringLiteral("statusBar"));
        QPushButton *cancel = driver.button("cancelBtn");
        // Every message the walk shows, during a session or after it, and its note if any.
        QStringList during, after, noted, notes;
        const auto seen = [&](const QString &message) {
            // Without its note, with the number of a download of 12 MB.
            const QString shown =
                message.section(QStringLiteral("  "), 0, 0)
                    .replace(QRegularExpression("\\d([\\d.,\\s\\x{a0}\\x{202f}]*\\d)?"),
                             QLocale().toString(12345678));
            QStringList &list = cancel->isVisible() ? during : after;
            if (!message.isEmpty() && !list.contains(shown))
                list << shown;
            if (message.contains(QStringLiteral("  "))) {
                noted << shown;
                notes << message.section(QStringLiteral("  "), 1);
            }
        };
        seen(driver.statusText());
        const auto watch = connect(bar, &QStatusBar::messageChanged, this, seen);

        // Downloads that end on the tester's silence and on a lost line, one saved.
        TesterEmulatorProcess whole, lost, waiting;
        QVERIFY(whole.start({"--baud", "0"}) &&
                lost.start({"--baud", "0", "--hangup-after", "3000"}));
        driver.setPort(whole.devicePath);
        QVERIFY2(driver.download(20000), "the download did not end within 20 s");
        driver.setPort(lost.devicePath);
        driver.saveAs = QStringList{home.filePath("saved.txt")}; // not converted: not asked
        QVERIFY2(driver.download(20000), "the download did not end within 20 s");
        // A session that waits for the tester, on a line that sends only NUL bytes.
        QVERIFY(waiting.start({"--ignore-commands"}));
        driver.setPort(waiting.devicePath);
        QVERIFY(driver.press("downloadBtn") && cancel->isVisible());
        QVERIFY(
            QMetaObject::invokeMethod(window.findChild<DownloadSession *>(), "lineSendsOnlyNul"));
        disconnect(watch);
        QCOMPARE(driver.seen, (QStringList{"QFileDialog", "QFileDialog"}));
        QVERIFY2(during.size() >= 3, qPrintable(during.join('\n')));
        QVERIFY2(after.size() >= 4 && !notes.isEmpty(), qPrintable(after.join('\n')));

        // The note of a download not archived (here the data folder's path) with each reason
        // that names no path instead.
        const QStringList reasons = translated("Archive", [](const auto &key) {
            return QChar(key.sourceText.at(0)).isLower() && !key.sourceText.contains("%1");
        });
        QVERIFY2(reasons.size() >= 3, qPrintable(reasons.join('\n')));
        const QString note = notes.first().section(QStringLiteral(": "), 0, 0) + ": ";

        // The bar with one line of text, and two lines more at most.
        bar->showMessage(QStringLiteral("OK"));
        QCoreApplication::processEvents();
        const int maxHeight = bar->height() + 2 * bar->fontMetrics().lineSpacing();
        QStringList misfits;
        const auto measure = [&](const QStringList &messages) {
            for (const QString &text : messages) {
                const QString why = misfit(&window, bar, text, maxHeight);
                if (!why.isEmpty())
                    misfits << QStringLiteral("\"%1\": %2").arg(text, why);
            }
        };
        measure(during);
        QVERIFY(driver.press("cancelBtn"));
        seen(driver.statusText());
        for (const QString &message : QStringList(after)) { // each noted one with every note
            for (const QString &reason : reasons)
                if (noted.contains(message))
                    after << message + "  " + note + reason;
        }
        // The completeness warning at its widest: the longest, cut at the indicator's width.
        auto *indicator = window.findChild<CompletenessIndicator *>();
        QStringList warnings = translated("ResultsCheck", [](const auto &) { return true; });
        std::sort(warnings.begin(), warnings.end(),
                  [](const QString &a, const QString &b) { return a.size() > b.size(); });
        QVERIFY(!warnings.isEmpty());
        indicator->show({warnings.first()});
        QVERIFY(indicator->isVisible());
        measure(after);
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
        // The warning's words stay with it when it gives way to the message.
        QCOMPARE(indicator->accessibleName(), warnings.first());
        QCOMPARE(indicator->toolTip(), warnings.first());
    }

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

QTEST_MAIN(TestStatusTexts)

#include "tst_statustexts.moc"
