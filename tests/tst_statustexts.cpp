// Every status bar message, in every language of the program, can be read in the window at its
// default size (in full, or cut with the whole in its tooltip) without the status bar growing
// past three lines: during a session beside the busy indicator, and after it beside the
// completeness warning at its widest, with the note of a download not archived.
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/InstallPaths.h"
#include "gui/CompletenessIndicator.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>
#include <QtTest>

#include <cstring>

namespace {

enum When { During = 1, After = 2 };

struct StatusText
{
    const char *context;
    const char *source;
    const char *disambiguation;
    int when;         // beside the busy indicator, after the session, or both
    bool notArchived; // may be followed by the note of a download not archived
};

const StatusText statusTexts[] = {
    {"MainWindow", "Please select a port and connect your device", nullptr, After, false},
    {"MainWindow", "Now initiate the download on the tester", nullptr, During, false},
    {"MainWindow", "The line sends only NUL bytes. Check the cable and the tester.", nullptr,
     During, false},
    {"MainWindow", "Bytes received: %1",
     "The %1 will be replaced with the number of bytes received so far. Please do not remove "
     "it in your translation!",
     During | After, true},
    {"PortErrorText", "The connection to the device was lost. The data received so far is kept.",
     nullptr, After, true},
    {"MainWindow", "File successfully saved", nullptr, After, false},
};

// The note's reasons that name no path.
const char *const notArchivedReasons[] = {
    "the archive cannot be written", "the disk is full",
    "another program kept the archive busy for more than %n second(s)"};

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

} // namespace

class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
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

        TesterEmulatorProcess emulator;
        QVERIFY(emulator.start({"--ignore-commands"})); // a session that waits
        MainWindow window;
        UiDriver driver(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(451, 367)); // no stored geometry: the default size
        auto *bar = window.findChild<QStatusBar *>(QStringLiteral("statusBar"));
        // The bar with one line of text, and two lines more at most.
        bar->showMessage(QStringLiteral("OK"));
        QCoreApplication::processEvents();
        const int maxHeight = bar->height() + 2 * bar->fontMetrics().lineSpacing();

        QStringList notes;
        for (const char *reason : notArchivedReasons)
            notes << QCoreApplication::translate("Archive", "This download was not archived: %1")
                         .arg(QCoreApplication::translate("Archive", reason, nullptr,
                                                          strstr(reason, "%n") ? 5 : -1));
        QStringList misfits;
        const auto measure = [&](When when) {
            for (const StatusText &text : statusTexts) {
                if (!(text.when & when))
                    continue;
                QString words =
                    QCoreApplication::translate(text.context, text.source, text.disambiguation);
                if (words.contains(QLatin1String("%1")))
                    words = words.arg(QLocale().toString(12345678)); // a download of 12 MB
                QStringList shown{words};
                for (const QString &note : notes) // as SessionArchiving adds it
                    if (text.notArchived && when == After)
                        shown << words + "  " + note;
                for (const QString &message : shown) {
                    const QString why = misfit(&window, bar, message, maxHeight);
                    if (!why.isEmpty())
                        misfits << QStringLiteral("\"%1\": %2").arg(message, why);
                }
            }
        };
        driver.setPort(emulator.devicePath);
        QVERIFY(driver.press("downloadBtn"));
        QVERIFY(driver.button("cancelBtn")->isVisible());
        measure(During);
        QVERIFY(driver.press("cancelBtn"));
        // The completeness warning at its widest: a long one, cut at the indicator's width.
        auto *indicator = window.findChild<CompletenessIndicator *>();
        const QString warning = QCoreApplication::translate(
            "ResultsCheck", "The last record is incomplete: the tester may have paused longer "
                            "than the read time-out. Download again with a longer time-out.");
        indicator->show({warning});
        QVERIFY(indicator->isVisible());
        measure(After);
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
        // The warning's words stay with it when it gives way to the message.
        QCOMPARE(indicator->accessibleName(), warning);
        QCOMPARE(indicator->toolTip(), warning);
        QCOMPARE(driver.seen, QStringList());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestStatusTexts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_statustexts.moc"
