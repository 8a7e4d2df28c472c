// The window's wiring around a download, through the real window against the tester
// emulator on a pseudo-terminal: the controls, the status bar and the dialogs of a whole
// download, Cancel, a port that cannot be opened, a line that drops, closing the window in
// the middle of a session (and such a session kept in the archive); saving (the European question,
// the save dialog's folder, saves that fail) and Help and Open. What a session does on the line,
// and what a saved file holds, is tested without the window (tst_downloadsession, tst_saveddata).
#include "EmulatorRig.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "archive/Archive.h"
#include "common/SettingsKeys.h"
#include "download/DownloadSession.h"
#include "gui/MainWindow.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
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
#include <unistd.h>
#include <vector>

using namespace TestSupport;

namespace {

// Saves the window's data with the Save button as path; what the file then holds.
QByteArray saved(UiDriver &driver, const QString &path)
{
    driver.saveAs = QStringList{path};
    return driver.press("saveBtn") ? contents(path) : QByteArray("<not saved>");
}

// A shown window and its driver, pointed at the latest tester emulator.
struct Rig : EmulatorRig
{
    bool start(const QStringList &arguments) override
    {
        const bool started = EmulatorRig::start(arguments);
        driver.setPort(devicePath());
        return started;
    }
    // Downloads the built-in results and declines the save dialog that follows,
    // leaving the data in the window for the Save button.
    bool downloadAndDecline()
    {
        return start({"--baud", "0"}) && driver.download(20000) &&
               driver.seen == QStringList{"QFileDialog"} && driver.button("saveBtn")->isVisible();
    }

    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    UiDriver driver{window.get()};
};

// Clicks a button with the mouse once it is shown again after being hidden, from a queued
// event, as a click that waits in the queue.
struct ClickWhenShown : QObject
{
    explicit ClickWhenShown(QPushButton *button) : button(button)
    {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            hidden = true;
        if (event->type() == QEvent::Show && hidden && clicks == 1) {
            ++clicks;
            QMetaObject::invokeMethod(
                button, [this] { QTest::mouseClick(button, Qt::LeftButton); },
                Qt::QueuedConnection);
        }
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
    // Set when a whole download did not complete: the tester protocol is broken, and every
    // later download would only wait out its time limit again.
    bool protocolBroken = false;

public slots:
    // The desktop's handler of file: URLs while the tests run.
    void openUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(dir.isValid());
        // A write beyond the file-size limit fails with EFBIG instead of killing us.
        std::signal(SIGXFSZ, SIG_IGN);
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
        QTest::addColumn<QString>("timeoutAfter");   // and after
        QTest::addColumn<int>("kept");               // bytes kept of the results sent; -1: all

        const QStringList unpaced{"--baud", "0"};
        // A paced line shows a time-out too short for it: it would cut the download.
        const QStringList paced{"--baud", "115200", "--data", dir.filePath("part.csv")};
        QTest::newRow("time-out absent") << unpaced << QVariant() << "110" << -1;
        // Brought into the safe range for the session (its rule: tst_downloadsession), and
        // left as the user wrote it.
        QTest::newRow("time-out negative, paced line") << paced << QVariant("-20") << "-20" << -1;
        // Like an adapter pulled out: the session ends by itself, and what came is kept.
        QTest::newRow("line drops after data")
            << (unpaced + QStringList{"--hangup-after", "3000"}) << QVariant() << "110" << 3000;
    }

    // Download, the text streaming into the box, the first silence after data (or the line
    // lost) ending the session, the save dialog at the folder of the last save, the file and
    // the status.
    void wholeDownload()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QVariant, storedTimeout);
        QFETCH(QString, timeoutAfter);
        QFETCH(int, kept);

        // A paced line sends a part of the results, so the test stays short; and at the
        // shortest time-out only what takes the emulator about 45 ms to send, so that the
        // emulator itself held off the processor for 50 ms on a loaded machine (a tester
        // does not stall) is unlikely to cut it.
        const QByteArray part = arguments.contains("--data") ? builtIn.left(500) : builtIn;
        QVERIFY(put(dir.filePath("part.csv"), part));
        const QByteArray sent = kept < 0 ? part : part.left(kept);
        if (!storedTimeout.isNull())
            QSettings().setValue(SettingsKeys::ReadTimeout, storedTimeout);
        QVERIFY(QDir(dir.path()).mkpath("earlier"));
        const QString earlier = dir.filePath("earlier/last week.csv");
        QSettings().setValue(SettingsKeys::LastSavedFilePath, earlier);
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
        // The status counted every byte, and keeps the total once the session is over.
        QCOMPARE(statusAtDialog,
                 kept < 0
                     ? QStringLiteral("Bytes received: %1").arg(QLocale().toString(sent.size()))
                     : QStringLiteral("The connection to the device was lost. The data "
                                      "received so far is kept."));
        QCOMPARE(driver.statusText(), QStringLiteral("File successfully saved"));
        QCOMPARE(QSettings().value(SettingsKeys::ReadTimeout).toString(), timeoutAfter);
        QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(), target);
        QVERIFY(driver.button("openBtn")->isVisible());
        if (kept < 0) // a line that dropped has no port left to open
            QVERIFY(portIsFree(rig.devicePath()));
    }

    // A click on Download that waits while a session ends must not start a new session
    // that empties the data before its save dialog: Download shows but takes no click
    // until the data is saved, and then it does.
    void noSessionBeforeTheSave()
    {
        Rig rig;
        QVERIFY2(rig.start({"--baud", "0"}), "the tester emulator did not start");
        QPushButton *download = rig.driver.button("downloadBtn");
        rig.driver.saveAs = QStringList{dir.filePath("kept whole.csv")};
        bool takesClicksAtDialog = true;
        rig.driver.onSaveDialog = [&] { takesClicksAtDialog = download->isEnabled(); };
        // Download comes back when the session ends: a click right then.
        ClickWhenShown clicker(download);
        QVERIFY2(rig.driver.download(20000), "the download did not end within 20 s");
        QCOMPARE(clicker.clicks, 2);
        QCOMPARE(rig.driver.seen, QStringList{"QFileDialog"});
        QCOMPARE(contents(dir.filePath("kept whole.csv")), builtIn);
        QVERIFY(!takesClicksAtDialog);
        QVERIFY2(download->isEnabled(), "Download takes no click after the save");
    }

    void interrupted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("afterData");
        QTest::addColumn<bool>("closeWindow"); // instead of pressing Cancel

        // Time-outs keep coming while the tester says nothing; none ends the session.
        const QStringList silent{"--baud", "0", "--ignore-commands"};
        // A slow line, and a long time-out: only the user ends this session.
        const QStringList slow{"--baud", "2400"};
        QTest::newRow("cancel before any data") << silent << false << false;
        QTest::newRow("cancel after part of the data") << slow << true << false;
        QTest::newRow("window closed while receiving") << slow << true << true;
    }

    void interrupted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, afterData);
        QFETCH(bool, closeWindow);

        QSettings().setValue(SettingsKeys::ReadTimeout, afterData ? 5000 : 110);
        Rig rig;
        QVERIFY2(rig.start(arguments), "the tester emulator did not start");
        UiDriver &driver = rig.driver;

        QVERIFY(driver.press("downloadBtn"));
        if (afterData)
            QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
        else
            QTest::qWait(300);
        if (closeWindow) {
            // As the start-up cycle does: the window closes, then goes.
            rig.window->close();
            rig.window.reset();
            QCoreApplication::processEvents();
            QCOMPARE(QSettings().value(SettingsKeys::PortName).toString(), rig.devicePath());
        } else {
            QVERIFY(driver.press("cancelBtn"));
            QVERIFY(driver.button("downloadBtn")->isVisible());
            QCOMPARE(driver.button("saveBtn")->isVisible(), afterData);
            QVERIFY(!driver.button("openBtn")->isVisible()); // nothing saved holds this data
            // With data the status keeps the count; without, it asks for a port again.
            QVERIFY2(driver.statusText().startsWith(afterData ? "Bytes received: "
                                                              : "Please select a port"),
                     qPrintable(driver.statusText()));
        }
        QVERIFY(portIsFree(rig.devicePath()));
        QTest::qWait(200); // nothing of the ended session comes late
        QCOMPARE(driver.seen, QStringList());
        // A session with data is kept in the archive as it ended, with what came.
        if (afterData) {
            Archive archive;
            QVERIFY(archive.open(Archive::defaultPath()));
            const DownloadSummary kept = archive.list().value(0); // the newest
            QCOMPARE(kept.ending,
                     closeWindow ? DownloadEnding::Interrupted : DownloadEnding::Cancelled);
            QCOMPARE(kept.portName, rig.devicePath());
            QCOMPARE(kept.readTimeoutMs, 5000);
            const QByteArray data = archive.data(kept.id).value_or(QByteArray());
            QVERIFY(data.size() > 100 && builtIn.startsWith(data));
        }
    }

    void lineSendsOnlyNul()
    {
        // The session tells when the line sends only NUL bytes (tst_downloadsession): the
        // status says what to check until data comes, and Cancel ends the session.
        Rig rig;
        QVERIFY2(rig.start({"--baud", "0", "--ignore-commands"}),
                 "the tester emulator did not start");
        QVERIFY(rig.driver.press("downloadBtn"));
        auto *session = rig.window->findChild<DownloadSession *>();
        QVERIFY(QMetaObject::invokeMethod(session, "lineSendsOnlyNul"));
        QCOMPARE(rig.driver.statusText(),
                 QStringLiteral("The line sends only NUL bytes. Check the cable and the tester."));
        QTest::qWait(300);
        QVERIFY(rig.driver.statusText().startsWith("The line sends only NUL bytes."));
        QVERIFY(rig.driver.press("cancelBtn"));
        QCOMPARE(rig.driver.statusText(),
                 QStringLiteral("Please select a port and connect your device"));
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

    // A session that cannot start, or ends before any data: the Warning with the reason,
    // then idle, with nothing of an earlier download left to save or open.
    void failedOpen()
    {
        QFETCH(QString, port);
        QFETCH(QString, reason);

        Rig rig;
        QVERIFY(rig.downloadAndDecline());
        if (port == "drops") {
            QVERIFY2(rig.start({"--baud", "0", "--hangup-after", "0"}),
                     "the tester emulator did not start");
        } else {
            rig.driver.setPort(port);
        }
        QVERIFY2(rig.driver.download(15000), "the download did not end within 15 s");
        QCOMPARE(rig.driver.seen, (QStringList{"QFileDialog", "QMessageBox"}));
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

    void europeanFormat_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");

        QTest::newRow("German, converted") << "de_DE" << true << true;
        QTest::newRow("German, not converted") << "de_DE" << false << true;
        QTest::newRow("English, decimal point") << "en_GB" << true << false;
    }

    void europeanFormat()
    {
        QFETCH(QString, locale);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);

        QLocale::setDefault(QLocale(locale));
        QTemporaryDir saves;
        Rig rig;
        UiDriver &driver = rig.driver;
        driver.reply = answerYes ? QMessageBox::Yes : QMessageBox::No;
        QVERIFY(rig.downloadAndDecline());
        // Fields separated by semicolons, decimals written with a comma, byte for byte as long.
        const bool converted = asked && answerYes;
        const QByteArray europeanHead =
            "Record;Date;Time;Site;String;Voc (V);Isc (A);Irradiance (W/m2);Module Temp (C);"
            "Riso (MOhm);Continuity (Ohm);Result\r\n"
            "1;2024-04-08;08:30:35;Hillside Farm;INV1-S01;739,2;8,95;855;38,9;981,8;0,28;PASS\r\n"
            "2;2024-04-08;08:33:19;Hillside Farm;INV1-S02;746,5;8,70;830;35,7;533,4;0,40;PASS\r\n";
        const auto check = [&](const QByteArray &file) {
            if (!converted)
                return file == builtIn;
            return file.startsWith(europeanHead) && file.size() == builtIn.size() &&
                   !file.contains('.') && file.count(';') > 1000;
        };

        // The first .csv asks (only where decimals are written with a comma) ...
        QVERIFY(check(saved(driver, saves.filePath("first.csv"))));
        QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
        QCOMPARE(QSettings().value(SettingsKeys::ConvertData),
                 asked ? QVariant(answerYes) : QVariant());

        // ... a .txt file is never converted, and the stored answer is not asked again ...
        QCOMPARE(saved(driver, saves.filePath("plain.txt")), builtIn);

        // ... and counts for every later .csv file, whatever case its suffix is in.
        QVERIFY(check(saved(driver, saves.filePath("RESULTS.CSV"))));
        QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message"); // %1: the file name

        const QString notOpened(
            "Error opening \"%1\" for writing. Is it open already or read only?");
        QTest::newRow("read-only file") << "read-only" << notOpened;
        QTest::newRow("folder gone") << "folder gone" << notOpened;
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        QTest::newRow("disk full") << "full"
                                   << "Error saving \"%1\": ";
    }

    // The Warning says which file and why; nothing reports success, nothing is stored, and
    // the data is still there for another try.
    void failedSave()
    {
        QFETCH(QString, how);
        QFETCH(QString, message);

        QTemporaryDir saves;
        Rig rig;
        UiDriver &driver = rig.driver;
        QVERIFY(rig.downloadAndDecline());
        QString target = saves.filePath("results.csv");
        QVERIFY(put(target, "results of last week\r\n"));
        if (how == "read-only")
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
        if (how == "folder gone")
            target = saves.filePath("gone/results.csv");
        const QString previous = saves.filePath("previous.csv");
        QSettings().setValue(SettingsKeys::LastSavedFilePath, previous);

        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (how == "full") {
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
        const QString expected = message.arg(target);
        QVERIFY2(box.text.startsWith(expected), qPrintable(box.text));
        // The system's reason, after the text or under it.
        QVERIFY2(box.text.size() > expected.size() + 3 || box.informative.size() > 3,
                 qPrintable(box.informative));
        QVERIFY(driver.statusText() != QStringLiteral("File successfully saved"));
        QVERIFY(!driver.button("openBtn")->isVisible());
        QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(), previous);

        driver.onSaveDialog = nullptr;
        QCOMPARE(saved(driver, saves.filePath("elsewhere.csv")), builtIn);
    }

    void helpPage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("page"); // the language of the page; empty: no pages at all

        QTest::newRow("German") << QLocale("de_DE") << "de";
        QTest::newRow("English, British") << QLocale("en_GB") << "en";
        QTest::newRow("a language without a page") << QLocale("ja_JP") << "en";
        QTest::newRow("no help pages") << QLocale("de_DE") << "";
    }

    void helpPage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, page);

        const QString folder = QCoreApplication::applicationDirPath() + "/Help";
        const QString aside = folder + ".aside";
        if (page.isEmpty())
            QVERIFY(QDir().rename(folder, aside));
        QLocale::setDefault(locale);
        MainWindow window;
        UiDriver driver(&window);
        window.findChild<QAction *>("actionHelp")->trigger();
        if (page.isEmpty())
            QDir().rename(aside, folder);

        if (page.isEmpty()) {
            QVERIFY(openedUrls.isEmpty());
            QTRY_COMPARE(driver.boxes.size(), 1);
            QVERIFY2(driver.boxes.first().text.contains(folder),
                     qPrintable(driver.boxes.first().text));
            return;
        }
        const QString path = folder + "/DravlinSolarDataLoggerHelp_" + page + ".html";
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY2(QFile::exists(path), qPrintable(path)); // the build puts the pages there
    }

    // Open shows the saved file only while it holds the data on screen.
    void openShowsTheSavedFile()
    {
        Rig rig;
        UiDriver &driver = rig.driver;
        QVERIFY(rig.downloadAndDecline());
        QVERIFY(!driver.button("openBtn")->isVisible()); // nothing saved yet
        const QString target = dir.filePath("site A.csv");
        QCOMPARE(saved(driver, target), builtIn);
        QVERIFY(driver.press("openBtn"));
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});

        // A cancelled save dialog leaves nothing to open.
        QVERIFY(driver.press("saveBtn"));
        QVERIFY(!driver.button("openBtn")->isVisible());
        QCOMPARE(saved(driver, target), builtIn);
        QVERIFY(driver.button("openBtn")->isVisible());

        // Nor does a new session: the file holds the last one's data.
        QSettings().setValue(SettingsKeys::ReadTimeout, 5000);
        QVERIFY2(rig.start({"--baud", "2400"}), "the tester emulator did not start");
        QVERIFY(driver.press("downloadBtn"));
        QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
        QVERIFY(driver.press("cancelBtn"));
        QVERIFY(!driver.button("openBtn")->isVisible());
        QCOMPARE(openedUrls.size(), 1);
    }

    // A double click on Download: its second click comes during the wait before the commands
    // and must not press the Cancel that by then stands where Download was.
    void doubleClickOnDownload()
    {
        Rig rig;
        QVERIFY(rig.start({"--baud", "0"}));
        rig.driver.saveAs = QStringList{dir.filePath("double click.csv")};
        QWindow *window = rig.window->windowHandle();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPushButton *download = rig.driver.button("downloadBtn");
        QPushButton *cancel = rig.driver.button("cancelBtn");
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
        QCOMPARE(underSecondClick, static_cast<QWidget *>(cancel));
        QCOMPARE(rig.driver.seen, QStringList{"QFileDialog"});
        QCOMPARE(contents(dir.filePath("double click.csv")), builtIn);
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
