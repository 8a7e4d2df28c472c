// The window's wiring around a download, through the real window against the tester emulator
// on a pseudo-terminal: a whole download, Cancel, ports that fail, lines that drop, closing in
// the middle, saving, Help and Open. The line itself: tst_downloadsession; files: tst_saveddata.
#include "EmulatorRig.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "archive/Archive.h"
#include "common/Settings.h"
#include "download/DownloadSession.h"
#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLayout>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace TestSupport;

namespace {

// Saves the window's data with the Save button as path; what the file then holds.
QByteArray saved(UiDriver &driver, const QString &path)
{
    driver.saveAs = QStringList{path};
    return driver.press("saveBtn") ? contents(path) : QByteArray("<not saved>");
}

// A window and its driver, pointed at the latest tester emulator.
struct Rig : EmulatorRig
{
    bool start(const QStringList &arguments, int rowBoundSeconds = 30) override
    {
        const bool started = EmulatorRig::start(arguments, rowBoundSeconds);
        driver.setPort(devicePath());
        return started;
    }
    // Downloads the built-in results and declines the save dialog, leaving the data to Save.
    bool downloadAndDecline()
    {
        return start({"--baud", "0"}) && driver.download(20000) &&
               driver.seen == QStringList{"QFileDialog"} && driver.button("saveBtn")->isVisible();
    }

    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    UiDriver driver{window.get()};
};

// Once the button shows again after being hidden, clicks it from a queued event, as a click
// that waited in the queue.
struct ClickWhenShown : QObject
{
    explicit ClickWhenShown(QPushButton *button) : button(button)
    {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        hidden = hidden || event->type() == QEvent::Hide;
        if (event->type() == QEvent::Show && hidden && clicks++ == 1)
            QMetaObject::invokeMethod(
                button, [this] { QTest::mouseClick(button, Qt::LeftButton); },
                Qt::QueuedConnection);
        return false;
    }
    QPushButton *button;
    bool hidden = false;
    int clicks = 1; // the one that started the download
};

} // namespace

class TestWorkflow : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;
    QList<QUrl> openedUrls;
    // Once a whole download failed, every later one would only wait out its time limit.
    bool protocolBroken = false;

public slots:
    void openUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(dir.isValid());
        std::signal(SIGXFSZ, SIG_IGN); // past the file-size limit: EFBIG, not death
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void init()
    {
        if (protocolBroken)
            QSKIP("an earlier download failed: the tester is not answering");
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        openedUrls.clear();
    }

    void wholeDownload_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QVariant>("storedTimeout"); // "Device/ReadTimeout" before, null: absent
        QTest::addColumn<QString>("timeoutAfter");
        QTest::addColumn<int>("kept"); // bytes kept of the results sent; -1: all

        const QStringList unpaced{"--baud", "0"};
        const QStringList paced{"--baud", "115200", "--data", dir.filePath("part.csv")};
        QTest::newRow("time-out absent") << unpaced << QVariant() << "110" << -1;
        // Brought into the safe range for the session, and left as the user wrote it.
        QTest::newRow("time-out negative, paced line") << paced << QVariant("-20") << "-20" << -1;
        // Like an adapter pulled out: the session ends by itself, and what came is kept.
        QTest::newRow("line drops after data")
            << (unpaced + QStringList{"--hangup-after", "3000"}) << QVariant() << "110" << 3000;
    }

    // The text streaming into the box, the session ending by itself, the save dialog at the
    // folder of the last save, the file and the status.
    void wholeDownload()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QVariant, storedTimeout);
        QFETCH(QString, timeoutAfter);
        QFETCH(int, kept);

        // At the shortest time-out a paced line sends only what takes ~45 ms, so that a
        // loaded machine stalling the emulator is unlikely to cut it.
        const QByteArray part = arguments.contains("--data") ? builtIn.left(500) : builtIn;
        QVERIFY(put(dir.filePath("part.csv"), part));
        const QByteArray sent = kept < 0 ? part : part.left(kept);
        if (!storedTimeout.isNull())
            Settings::setValue(Settings::Key::ReadTimeout, storedTimeout);
        QVERIFY(QDir(dir.path()).mkpath("earlier"));
        const QString earlier = dir.filePath("earlier/last week.csv");
        Settings::setValue(Settings::Key::LastSavedFilePath, earlier);
        Rig rig;
        QVERIFY2(rig.start(arguments), "the tester emulator did not start");
        UiDriver &driver = rig.driver;
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        driver.saveAs = QStringList{target};
        bool sessionOverAtDialog = false;
        QString statusAtDialog;
        driver.onSaveDialog = [&] {
            sessionOverAtDialog = !driver.button("cancelBtn")->isVisible();
            statusAtDialog = driver.statusText();
        };

        protocolBroken = !driver.download(20000) || driver.seen != QStringList{"QFileDialog"};
        QVERIFY2(!protocolBroken, qPrintable(driver.seen.join(',')));

        QVERIFY(sessionOverAtDialog);
        QCOMPARE(driver.saveDialogFolder, dir.filePath("earlier"));
        QCOMPARE(driver.saveDialogFiles, QStringList{earlier});
        QCOMPARE(contents(target), sent);
        QCOMPARE(driver.outputText(), linesOf(sent));
        QCOMPARE(statusAtDialog,
                 kept < 0
                     ? QStringLiteral("Bytes received: %1").arg(QLocale().toString(sent.size()))
                     : QStringLiteral("The connection to the device was lost. The data "
                                      "received so far is kept."));
        QCOMPARE(driver.statusText(), QStringLiteral("File successfully saved"));
        QCOMPARE(stored(Settings::Key::ReadTimeout).toString(), timeoutAfter);
        QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), target);
        QVERIFY(driver.press("openBtn"));
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});
        if (kept < 0) // a line that dropped has no port left to open
            QVERIFY(portIsFree(rig.devicePath()));
    }

    void strayClicks_data()
    {
        QTest::addColumn<bool>("doubleClick");
        // A click waiting while the session ends must not start a session that empties the
        // data before its save dialog: Download takes no click until the data is saved.
        QTest::newRow("a click as the session ends") << false;
        // The second click comes during the wait before the commands and must not press the
        // Cancel that by then stands where Download was.
        QTest::newRow("a double click") << true;
    }

    void strayClicks()
    {
        QFETCH(bool, doubleClick);
        Rig rig;
        QVERIFY2(rig.start({"--baud", "0"}), "the tester emulator did not start");
        QPushButton *download = rig.driver.button("downloadBtn");
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        rig.driver.saveAs = QStringList{target};
        if (doubleClick) {
            QWindow *window = rig.window->windowHandle();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QPoint at = download->mapTo(rig.window.get(), download->rect().center());
            QWidget *underSecondClick = nullptr;
            QTimer::singleShot(200, rig.window.get(), [&] {
                download->parentWidget()->layout()->activate(); // as drawn once Cancel shows
                underSecondClick = rig.window->childAt(at);
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
            });
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return underSecondClick && !QApplication::activeModalWidget() &&
                           download->isVisible();
                },
                20000));
            QCOMPARE(underSecondClick, static_cast<QWidget *>(rig.driver.button("cancelBtn")));
        } else {
            bool takesClicksAtDialog = true;
            rig.driver.onSaveDialog = [&] { takesClicksAtDialog = download->isEnabled(); };
            ClickWhenShown clicker(download);
            QVERIFY2(rig.driver.download(20000), "the download did not end within 20 s");
            QCOMPARE(clicker.clicks, 2);
            QVERIFY(!takesClicksAtDialog);
            QVERIFY2(download->isEnabled(), "Download takes no click after the save");
        }
        QCOMPARE(rig.driver.seen, QStringList{"QFileDialog"});
        QCOMPARE(contents(target), builtIn);
    }

    void interrupted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("afterData");
        QTest::addColumn<bool>("closeWindow"); // instead of pressing Cancel
        QTest::addColumn<bool>("onlyNul");     // the session finds the line sends only NUL

        // Time-outs keep coming while the tester says nothing; none ends the session.
        const QStringList silent{"--baud", "0", "--ignore-commands"};
        // A slow line and a long time-out: only the user ends this session.
        const QStringList slow{"--baud", "2400"};
        QTest::newRow("cancel before any data") << silent << false << false << false;
        QTest::newRow("line sends only NUL, cancel") << silent << false << false << true;
        QTest::newRow("cancel after part of the data") << slow << true << false << false;
        QTest::newRow("window closed while receiving") << slow << true << true << false;
    }

    // Cancel or closing the window frees the port, and a session with data is kept in the
    // archive as it ended.
    void interrupted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, afterData);
        QFETCH(bool, closeWindow);
        QFETCH(bool, onlyNul);

        Settings::setValue(Settings::Key::ReadTimeout, afterData ? 5000 : 110);
        Rig rig;
        QVERIFY2(rig.start(arguments), "the tester emulator did not start");
        UiDriver &driver = rig.driver;

        QVERIFY(driver.press("downloadBtn"));
        if (onlyNul) // the finding itself: tst_downloadsession
            QVERIFY(QMetaObject::invokeMethod(rig.window->findChild<DownloadSession *>(),
                                              "lineSendsOnlyNul"));
        if (afterData)
            QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
        else
            QTest::qWait(300);
        if (onlyNul) // still there after the time-outs that followed
            QCOMPARE(driver.statusText(), QStringLiteral("The line sends only NUL bytes. Check "
                                                         "the cable and the tester."));
        if (closeWindow) {
            // As the start-up cycle does: the window closes, then goes.
            rig.window->close();
            rig.window.reset();
            QCoreApplication::processEvents();
            QCOMPARE(stored(Settings::Key::PortName).toString(), rig.devicePath());
        } else {
            QVERIFY(driver.press("cancelBtn"));
            QVERIFY(driver.button("downloadBtn")->isVisible());
            QCOMPARE(driver.button("saveBtn")->isVisible(), afterData);
            QVERIFY(!driver.button("openBtn")->isVisible()); // no saved file holds this data
            QVERIFY2(driver.statusText().startsWith(afterData ? "Bytes received: "
                                                              : "Please select a port"),
                     qPrintable(driver.statusText()));
        }
        QVERIFY(portIsFree(rig.devicePath()));
        QTest::qWait(200); // nothing of the ended session comes late
        QCOMPARE(driver.seen, QStringList());
        if (afterData) {
            Archive archive;
            QVERIFY(archive.open(Archive::defaultPath()));
            const DownloadSummary kept = archive.list()->value(0); // the newest
            QCOMPARE(kept.ending,
                     closeWindow ? DownloadEnding::Interrupted : DownloadEnding::Cancelled);
            QCOMPARE(kept.portName, rig.devicePath());
            QCOMPARE(kept.readTimeoutMs, 5000);
            const QByteArray data = archive.data(kept.id).value_or(QByteArray());
            QVERIFY(data.size() > 100 && builtIn.startsWith(data));
        }
    }

    void failedOpen_data()
    {
        QTest::addColumn<QString>("port"); // "drops": the emulator's line drops at once
        QTest::addColumn<QString>("reason");

        QTest::newRow("no such device")
            << QString("/dev/ml-no-such-port")
            << "No such device. Check that the adapter is plugged in, then press Refresh Ports.";
        QTest::newRow("line drops before any data")
            << QString("drops") << "The connection to the device was lost before any data arrived.";
    }

    // The Warning with the reason, then idle, with nothing of an earlier download left to save
    // or to open.
    void failedOpen()
    {
        QFETCH(QString, port);
        QFETCH(QString, reason);

        Rig rig;
        QVERIFY(rig.downloadAndDecline());
        const QString earlier =
            dir.filePath(QTest::currentDataTag() + QStringLiteral(" before.csv"));
        QCOMPARE(saved(rig.driver, earlier), builtIn);
        QVERIFY(rig.driver.button("openBtn")->isVisible());
        if (port == "drops")
            QVERIFY(rig.start({"--baud", "0", "--hangup-after", "0"}));
        else
            rig.driver.setPort(port);
        QVERIFY2(rig.driver.download(15000), "the download did not end within 15 s");
        QCOMPARE(rig.driver.seen, (QStringList{"QFileDialog", "QFileDialog", "QMessageBox"}));
        const UiDriver::Box box = rig.driver.boxes.first();
        QCOMPARE(box.text, QStringLiteral("Failed to connect. Please check the device is "
                                          "connected and switched on"));
        QCOMPARE(box.informative, reason);
        QCOMPARE(rig.driver.statusText(),
                 QStringLiteral("Please select a port and connect your device"));
        QVERIFY(rig.driver.outputText().isEmpty());
        QVERIFY(!rig.driver.button("saveBtn")->isVisible());
        QVERIFY(!rig.driver.button("openBtn")->isVisible());
    }

    void saving_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("answerYes"); // to the European question
        QTest::addColumn<QString>("failure");

        QTest::newRow("German, converted") << "de_DE" << true << QString();
        QTest::newRow("German, not converted") << "de_DE" << false << QString();
        QTest::newRow("English, decimal point") << "en_GB" << true << QString();
        QTest::newRow("read-only file") << "en_GB" << true << "read-only";
        QTest::newRow("folder gone") << "en_GB" << true << "folder gone";
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        QTest::newRow("disk full") << "en_GB" << true << "full";
    }

    // The European question on the first .csv; a failed save says which file and why, reports
    // no success, stores nothing and keeps the data for another try.
    void saving()
    {
        QFETCH(QString, locale);
        QFETCH(bool, answerYes);
        QFETCH(QString, failure);

        QLocale::setDefault(QLocale(locale));
        QTemporaryDir saves;
        Rig rig;
        UiDriver &driver = rig.driver;
        driver.reply = answerYes ? QMessageBox::Yes : QMessageBox::No;
        QVERIFY(rig.downloadAndDecline());
        if (failure.isEmpty()) {
            const bool asked = locale == "de_DE"; // only where decimals are written with a comma
            QByteArray expected = builtIn; // semicolons and decimal commas, byte for byte as long
            if (asked && answerYes)
                expected.replace(',', ';').replace('.', ',');
            QCOMPARE(saved(driver, saves.filePath("first.csv")), expected);
            QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
            QCOMPARE(stored(Settings::Key::ConvertData), asked ? QVariant(answerYes) : QVariant());
            // A .txt file is never converted; the answer counts for every later .csv.
            QCOMPARE(saved(driver, saves.filePath("plain.txt")), builtIn);
            QCOMPARE(saved(driver, saves.filePath("RESULTS.CSV")), expected);
            QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
            return;
        }

        QString target = saves.filePath("results.csv");
        QVERIFY(put(target, "results of last week\r\n"));
        if (failure == "read-only")
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
        if (failure == "folder gone")
            target = saves.filePath("gone/results.csv");
        const QString previous = saves.filePath("previous.csv");
        Settings::setValue(Settings::Key::LastSavedFilePath, previous);
        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (failure == "full") {
            driver.onSaveDialog = [&] {
                const rlimit small{4096, unlimited.rlim_max};
                ::setrlimit(RLIMIT_FSIZE, &small);
            };
            driver.onBox = [&](const UiDriver::Box &) { ::setrlimit(RLIMIT_FSIZE, &unlimited); };
        }
        saved(driver, target);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(driver.boxes.size(), 1);
        const UiDriver::Box box = driver.boxes.first();
        const QString expected =
            (failure == "full" ? QStringLiteral("Error saving \"%1\": ")
                               : QStringLiteral("Error opening \"%1\" for writing. Is it open "
                                                "already or read only?"))
                .arg(target);
        QVERIFY2(box.text.startsWith(expected), qPrintable(box.text));
        // The system's reason, after the text or under it.
        QVERIFY2(box.text.size() > expected.size() + 3 || box.informative.size() > 3,
                 qPrintable(box.informative));
        QVERIFY(driver.statusText() != QStringLiteral("File successfully saved"));
        QVERIFY(!driver.button("openBtn")->isVisible());
        QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), previous);
        driver.onSaveDialog = nullptr;
        QCOMPARE(saved(driver, saves.filePath("elsewhere.csv")), builtIn);
    }

    // Help opens the page of the language; without pages it names the folder. (Which page
    // is found where: tst_common.)
    void helpPage_data()
    {
        QTest::addColumn<bool>("pages");
        QTest::newRow("German") << true;
        QTest::newRow("no help pages") << false;
    }

    void helpPage()
    {
        QFETCH(bool, pages);

        const QString folder = QCoreApplication::applicationDirPath() + "/Help";
        const QString aside = folder + ".aside";
        if (!pages)
            QVERIFY(QDir().rename(folder, aside));
        QLocale::setDefault(QLocale("de_DE"));
        MainWindow window;
        UiDriver driver(&window);
        window.findChild<QAction *>("actionHelp")->trigger();
        if (!pages) {
            QDir().rename(aside, folder);
            QVERIFY(openedUrls.isEmpty());
            QTRY_COMPARE(driver.boxes.size(), 1);
            QVERIFY2(driver.boxes.first().text.contains(folder),
                     qPrintable(driver.boxes.first().text));
            return;
        }
        const QString path = folder + "/DravlinSolarDataLoggerHelp_de.html";
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY2(QFile::exists(path), qPrintable(path)); // the build puts the pages there
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestWorkflow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_workflow.moc"
