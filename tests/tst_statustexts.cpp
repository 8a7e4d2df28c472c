// Every message of the status bar, in every language of the program, can be read in full in
// the window at its default size: during a session beside the busy indicator, and after it.
// Each language's catalogue is loaded as the program loads it, a session runs against the
// tester emulator, and each message is measured against the space the window gives it.
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/InstallPaths.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTranslator>
#include <QtTest>

namespace {

struct StatusText
{
    const char *context;
    const char *source;
    const char *disambiguation;
    bool duringSession; // shown beside the busy indicator
};

// The messages the status bar shows, in the words of the catalogues.
const StatusText statusTexts[] = {
    {"MainWindow", "Please select a port and connect your device", nullptr, false},
    {"MainWindow", "Now initiate the download on the tester", nullptr, true},
    {"MainWindow", "The line sends only NUL bytes. Check the cable and the tester.", nullptr, true},
    {"MainWindow", "Bytes received: %1",
     "The %1 will be replaced with the number of bytes received so far. Please do not remove "
     "it in your translation!",
     true},
    {"PortErrorText", "The connection to the device was lost. The data received so far is kept.",
     nullptr, false},
    {"MainWindow", "File successfully saved", nullptr, false},
};

QString translated(const StatusText &text)
{
    QString words = QCoreApplication::translate(text.context, text.source, text.disambiguation);
    if (words.contains(QLatin1String("%1")))
        words = words.arg(QLocale().toString(12345678)); // a download of 12 MB
    return words;
}

// Why text, shown in the status bar, cannot be read in full; empty when it can.
QString misfit(QWidget *window, QStatusBar *bar, const QString &text)
{
    bar->showMessage(text);
    // Let the layouts settle as the event loop would before the next paint.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    if (!QRect(QPoint(), window->size()).contains(bar->geometry()))
        return QStringLiteral("the status bar is outside the window");

    // A label of the status bar that holds the message: it gets its contents rectangle.
    for (QLabel *label : bar->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text() != text)
            continue;
        const QRect space = label->contentsRect();
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QFontMetrics metrics = label->fontMetrics();
        QRect needed = metrics.boundingRect(QRect(0, 0, space.width(), 100000), flags, text);
        // The leading under the last line is blank.
        needed.setHeight(needed.height() - qMax(0, metrics.leading()));
        if (needed.width() > space.width() || needed.height() > space.height())
            return QStringLiteral("needs %1 x %2 pixels, the label has %3 x %4")
                .arg(needed.width())
                .arg(needed.height())
                .arg(space.width())
                .arg(space.height());
        if (!bar->rect().contains(label->geometry()))
            return QStringLiteral("the label is cut by the status bar");
        return QString();
    }

    // Else the status bar draws the message itself, on one line, from 6 pixels in to 2
    // pixels before the first of its permanent widgets (the others are hidden while a message
    // shows) and at most to 12 pixels before its end.
    int right = bar->width() - 12;
    for (QWidget *widget : bar->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->isVisible() && !qobject_cast<QSizeGrip *>(widget))
            right = qMin(right, widget->x() - 2);
    }
    const int space = right - 6;
    const int needed = bar->fontMetrics().horizontalAdvance(text);
    if (needed > space)
        return QStringLiteral("needs %1 pixels on one line, the status bar gives %2")
            .arg(needed)
            .arg(space);
    return QString();
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

        QStringList misfits;
        const auto measure = [&](bool duringSession) {
            for (const StatusText &text : statusTexts) {
                if (text.duringSession != duringSession)
                    continue;
                const QString words = translated(text);
                const QString why = misfit(&window, bar, words);
                if (!why.isEmpty())
                    misfits << QStringLiteral("\"%1\": %2").arg(words, why);
            }
        };
        driver.setPort(emulator.devicePath);
        QVERIFY(driver.press("downloadBtn"));
        QVERIFY(driver.button("cancelBtn")->isVisible());
        measure(true);
        QVERIFY(driver.press("cancelBtn"));
        measure(false);
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
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
