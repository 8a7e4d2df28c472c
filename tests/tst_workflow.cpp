// A download as the user meets it, through the real window against the tester emulator
// on a pseudo-terminal: the whole download and the file it leaves, Cancel, a port that
// cannot be opened, a line that drops, closing the window in the middle of a session;
// then saving (European CSV under a decimal-comma language, saves that fail) and the
// window's About, Help and Open.
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Saves the window's data with the Save button as path; what the file then holds.
QByteArray saved(UiDriver &driver, const QString &path)
{
    driver.saveAs = QStringList{path};
    return driver.press("saveBtn") ? contents(path) : QByteArray("<not saved>");
}

// What the output box should show of a whole stream: all of its text, without
// NUL bytes and carriage returns, however the stream was cut into chunks.
QString viewOf(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes.constData(), bytes.size());
    text.remove(QChar(0));
    text.remove(QLatin1Char('\r'));
    return text;
}

// The window has let the port go when it can be opened again at once.
bool portIsFree(const QString &path)
{
    return Ml::WinSerialDeviceAsync(nullptr, path).open(QIODevice::ReadWrite, 50); // and closes
}

// A shown window and its driver, pointed at the tester emulator.
struct Rig
{
    bool start(const QStringList &arguments)
    {
        const bool started = emulator.start(arguments);
        driver.setPort(emulator.devicePath);
        return started;
    }
    // Downloads the built-in results and declines the save dialog that follows,
    // leaving the data in the window for the Save button.
    bool downloadAndDecline()
    {
        return start({"--baud", "0"}) && driver.download() &&
               driver.seen == QStringList{"QFileDialog"} && driver.button("saveBtn")->isVisible();
    }

    TesterEmulatorProcess emulator;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    UiDriver driver{window.get()};
};

} // namespace

class TestWorkflow : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;
    QList<QUrl> openedUrls;

public slots:
    // The desktop's handler of file: URLs while the tests run.
    void openUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(builtIn.endsWith("\r\n") && builtIn.count("\r\n") > 200);
        QVERIFY(dir.isValid());
        // A write beyond the file-size limit fails with EFBIG instead of killing us.
        std::signal(SIGXFSZ, SIG_IGN);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void init()
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        openedUrls.clear();
    }

    // The emulator itself, as these tests rely on it: every session on the same device gets
    // the whole of what --print-data shows, byte for byte, with the commands sent in pieces
    // and noise in between, and a paced line never beats its baud rate.
    void emulatorAnswersEverySession_data()
    {
        QTest::addColumn<int>("baud"); // 0: unpaced
        QTest::newRow("unpaced") << 0;
        QTest::newRow("115200 baud") << 115200;
    }

    void emulatorAnswersEverySession()
    {
        QFETCH(int, baud);
        TesterEmulatorProcess emulator;
        QVERIFY(emulator.start({"--baud", QString::number(baud)}));
        for (int session = 1; session <= 2; ++session) {
            Ml::WinSerialDevice port(emulator.devicePath);
            port.setPortSettings(Ml::PortSettings::forTester());
            QVERIFY(port.open(QIODevice::ReadWrite, 1000, 1000));
            QCOMPARE(port.write(QByteArray("\0\0SYST:R", 8)), qint64(8));
            QTest::qWait(20);
            QCOMPARE(port.write("EM\r\nMEM:DATA? ALL\r\n"), qint64(19));
            QElapsedTimer timer;
            timer.start();
            QByteArray reply, chunk;
            qint64 lastByteAt = 0;
            for (; !(chunk = port.read(4096)).isEmpty(); lastByteAt = timer.elapsed())
                reply += chunk;
            QCOMPARE(reply, builtIn);
            if (baud > 0)
                QVERIFY(lastByteAt >= builtIn.size() * 10 * 1000 / baud * 9 / 10);
        }
    }

    void wholeDownload_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("data"); // sent with --data; empty: the built-in results
        QTest::addColumn<QVariant>("storedTimeout"); // "Device/ReadTimeout" before, null: absent
        QTest::addColumn<int>("usedTimeout");        // and after

        const QStringList unpaced{"--baud", "0"};
        QTest::newRow("built-in results") << unpaced << QByteArray() << QVariant() << 110;
        QTest::newRow("bit 7 set on every byte")
            << (unpaced + QStringList{"--bit7"}) << QByteArray() << QVariant() << 110;
        QTest::newRow("NUL bytes before the commands")
            << (unpaced + QStringList{"--nul-prefix", "300"}) << QByteArray() << QVariant() << 110;
        QTest::newRow("paced 115200 baud, time-out 250")
            << QStringList{"--baud", "115200"} << QByteArray() << QVariant(250) << 250;
        QTest::newRow("time-out not a number") << unpaced << QByteArray() << QVariant("abc") << 110;
        // 0 would end every read at once and cut the download after its first chunk.
        QTest::newRow("time-out 0") << unpaced << QByteArray() << QVariant(0) << 110;
        QTest::newRow("time-out negative") << unpaced << QByteArray() << QVariant(-20) << 110;
        // The pause after 13 bytes cuts the two bytes of the ü apart; the NUL must
        // not hide what follows it.
        QTest::newRow("character split between chunks, NUL inside")
            << (unpaced + QStringList{"--pause-after", "13", "--pause-ms", "300"})
            << QByteArray("Site,Temp\r\nD\xc3\xbcsseldorf S\xc3\xbc"
                          "d,25 \xc2\xb0"
                          "C\r\nA\0B,1\r\n",
                          43)
            << QVariant(2000) << 2000;
    }

    void wholeDownload()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, data);
        QFETCH(QVariant, storedTimeout);
        QFETCH(int, usedTimeout);

        if (!storedTimeout.isNull())
            QSettings().setValue(SettingsKeys::ReadTimeout, storedTimeout);
        if (!data.isEmpty()) {
            QFile file(dir.filePath("sent.bin"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
            arguments << "--data" << file.fileName();
        }
        const QByteArray original = data.isEmpty() ? builtIn : data;
        QByteArray inFile = original; // the file is 7-bit text
        for (char &byte : inFile)
            byte &= 0x7F;
        const bool bit7 = arguments.contains("--bit7");
        Rig rig;
        QVERIFY(rig.start(arguments));
        UiDriver &driver = rig.driver;
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        driver.saveAs = QStringList{target};
        bool sessionOverAtDialog = false;
        QString statusAtDialog;
        driver.onSaveDialog = [&] {
            sessionOverAtDialog = !driver.button("cancelBtn")->isVisible();
            statusAtDialog = driver.statusText();
        };

        QVERIFY(driver.download());

        // The first silence after data ended the session and offered the data once.
        QCOMPARE(driver.seen, QStringList{"QFileDialog"});
        QVERIFY(sessionOverAtDialog);
        QCOMPARE(contents(target), inFile);
        if (!bit7) // the view shows what came
            QCOMPARE(driver.outputText(), viewOf(original));
        // The status counted every byte, and keeps the total once the session is over.
        QCOMPARE(statusAtDialog,
                 QStringLiteral("Bytes received: %1").arg(QLocale().toString(original.size())));
        QCOMPARE(driver.statusText(), QStringLiteral("File successfully saved"));
        QCOMPARE(QSettings().value(SettingsKeys::ReadTimeout).toInt(), usedTimeout);
        QVERIFY(portIsFree(rig.emulator.devicePath));
    }

    void lineDropsAfterData()
    {
        // Like an adapter pulled out: the session ends by itself, and what came is kept.
        Rig rig;
        QVERIFY(rig.start({"--baud", "0", "--hangup-after", "3000"}));
        rig.driver.saveAs = QStringList{dir.filePath("kept.csv")};
        QString statusAtDialog;
        rig.driver.onSaveDialog = [&] { statusAtDialog = rig.driver.statusText(); };

        QVERIFY(rig.driver.download(15000));
        QCOMPARE(rig.driver.seen, QStringList{"QFileDialog"});
        QCOMPARE(statusAtDialog, QStringLiteral("The connection to the device was lost. The "
                                                "data received so far is kept."));
        QCOMPARE(contents(dir.filePath("kept.csv")), builtIn.left(3000));
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
        QTest::newRow("window closed while waiting for the tester") << silent << false << true;
        QTest::newRow("window closed while receiving") << slow << true << true;
    }

    void interrupted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, afterData);
        QFETCH(bool, closeWindow);

        QSettings().setValue(SettingsKeys::ReadTimeout, afterData ? 5000 : 110);
        Rig rig;
        QVERIFY(rig.start(arguments));
        UiDriver &driver = rig.driver;

        QVERIFY(driver.press("downloadBtn"));
        if (afterData)
            QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
        else
            QTest::qWait(500);
        QCOMPARE(driver.outputText().isEmpty(), !afterData);
        if (closeWindow) {
            // As the start-up cycle does: the window closes, then goes.
            rig.window->close();
            rig.window.reset();
            QCoreApplication::processEvents();
            QCOMPARE(QSettings().value(SettingsKeys::PortName).toString(), rig.emulator.devicePath);
        } else {
            QVERIFY(driver.press("cancelBtn"));
            QVERIFY(driver.button("downloadBtn")->isVisible());
            QCOMPARE(driver.button("saveBtn")->isVisible(), afterData);
        }
        QVERIFY(portIsFree(rig.emulator.devicePath));
        QTest::qWait(300); // nothing of the ended session comes late
        QCOMPARE(driver.seen, QStringList());
        if (closeWindow || !afterData)
            return;

        // Save writes what had come, exactly what the box shows.
        const QByteArray partial = saved(driver, dir.filePath("partial.txt"));
        QVERIFY(partial.size() > 100 && builtIn.startsWith(partial) && partial != builtIn);
        QCOMPARE(viewOf(partial), driver.outputText());
    }

    void endlessNulBytes()
    {
        // A line that never stops sending NUL bytes (a receive wire held in break)
        // must not keep the window frozen in the drain: the session starts anyway
        // and can be cancelled.
        Rig rig;
        QVERIFY(rig.start({"--nul-prefix", "1000000"}));
        QElapsedTimer frozen;
        frozen.start();
        QVERIFY(rig.driver.press("downloadBtn"));
        QVERIFY2(frozen.elapsed() < 30000, "the window stayed frozen in the drain");
        QVERIFY(rig.driver.press("cancelBtn"));
        QVERIFY(rig.driver.outputText().isEmpty());
        QVERIFY(portIsFree(rig.emulator.devicePath));
    }

    void failedOpen_data()
    {
        // A device path, or the emulator's device "held" by another program, "denied" to
        // us, or whose line "drops" before the tester sent anything.
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("reason");

        QTest::newRow("no port chosen")
            << QString() << "No port is selected. Connect the adapter, then press Refresh Ports.";
        QTest::newRow("no such device")
            << QString("/dev/ml-no-such-port")
            << "No such device. Check that the adapter is plugged in, then press Refresh Ports.";
        QTest::newRow("held by another program")
            << QString("held")
            << "The port is in use by another program. Close the other program and try again.";
        QTest::newRow("no serial port") << QString("/dev/null") << "The system reported: ";
        QTest::newRow("no permission") << QString("denied") << "Permission denied. ";
        QTest::newRow("line drops before any data")
            << QString("drops") << "The connection to the device was lost before any data arrived.";
    }

    void failedOpen()
    {
        QFETCH(QString, port);
        QFETCH(QString, reason);

        if (port == "denied" && ::geteuid() == 0)
            QSKIP("root may open any device");
        const QString how = port;
        Rig rig;
        if (!port.isEmpty() && !port.startsWith('/')) {
            const QStringList dropAtOnce{"--hangup-after", "0"};
            QVERIFY(rig.start(QStringList{"--baud", "0"} +
                              (how == "drops" ? dropAtOnce : QStringList())));
            port = rig.emulator.devicePath;
        }
        rig.driver.setPort(port);
        Ml::WinSerialDeviceAsync holder(nullptr, port);
        if (how == "held")
            QVERIFY(holder.open(QIODevice::ReadWrite, 100));
        if (how == "denied") {
            QVERIFY(QFile::setPermissions(port, QFileDevice::Permissions()));
            const QString group = QFileInfo(port).group();
            if (!group.isEmpty() && group != "root")
                reason = QStringLiteral("Permission denied. Add your user to the group \"%1\" "
                                        "that owns the port, then log out and log in again.")
                             .arg(group);
        }

        QVERIFY(rig.driver.download(15000));
        QCOMPARE(rig.driver.seen, QStringList{"QMessageBox"});
        const UiDriver::Box box = rig.driver.boxes.first();
        QCOMPARE(box.text, QStringLiteral("Failed to connect. Please check the device is "
                                          "connected and switched on"));
        QVERIFY2(box.informative.startsWith(reason) && box.informative.size() > 20,
                 qPrintable(box.informative));
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
        QByteArray expected = builtIn;
        if (asked && answerYes)
            expected.replace(',', ';').replace('.', ',');

        // The first .csv asks (only where decimals are written with a comma) ...
        QCOMPARE(saved(driver, saves.filePath("first.csv")), expected);
        QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
        QCOMPARE(QSettings().value(SettingsKeys::ConvertData),
                 asked ? QVariant(answerYes) : QVariant());

        // ... a .txt file is never converted, and the stored answer is not asked again ...
        QCOMPARE(saved(driver, saves.filePath("plain.txt")), builtIn);

        // ... and counts for every later .csv file, whatever case its suffix is in.
        QCOMPARE(saved(driver, saves.filePath("RESULTS.CSV")), expected);
        QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
    }

    void failedSave_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message"); // %1: the file name

        QTest::newRow("read-only file")
            << true << "Error opening \"%1\" for writing. Is it open already or read only?";
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        QTest::newRow("disk full") << false << "Error saving \"%1\": ";
    }

    void failedSave()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, message);

        QTemporaryDir saves;
        Rig rig;
        UiDriver &driver = rig.driver;
        QVERIFY(rig.downloadAndDecline());
        const QString target = saves.filePath("results.csv");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("results of last week\r\n") > 0);
        old.close();
        if (readOnly)
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
        const QString previous = saves.filePath("previous.csv");
        QSettings().setValue(SettingsKeys::LastSavedFilePath, previous);

        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (!readOnly) {
            driver.onSaveDialog = [&] {
                const rlimit small{4096, unlimited.rlim_max};
                ::setrlimit(RLIMIT_FSIZE, &small);
            };
            driver.onBox = [&](const UiDriver::Box &) { ::setrlimit(RLIMIT_FSIZE, &unlimited); };
        }
        const QByteArray after = saved(driver, target);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(driver.boxes.size(), 1);
        const QString text = driver.boxes.first().text, expected = message.arg(target);
        // The reason follows what could not be written.
        QVERIFY2(text.startsWith(expected) && (readOnly || text.size() > expected.size() + 3),
                 qPrintable(text));
        // Nothing reports success, nothing is lost, nothing is left behind.
        QVERIFY(driver.statusText() != QStringLiteral("File successfully saved"));
        QCOMPARE(after, QByteArray("results of last week\r\n"));
        QCOMPARE(QDir(saves.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"results.csv"});
        QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(), previous);

        // The data is still there for another try.
        driver.onSaveDialog = nullptr;
        QCOMPARE(saved(driver, saves.filePath("elsewhere.csv")), builtIn);
        QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(),
                 saves.filePath("elsewhere.csv"));
    }

    void aboutShowsTheVersion()
    {
        MainWindow window;
        UiDriver driver(&window);
        window.findChild<QAction *>("actionAbout")->trigger();
        QTRY_COMPARE(driver.boxes.value(0).text, QStringLiteral("Marlune DataLogger\n\n 3.1\n"));
    }

    void helpPage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("page"); // the language of the help page

        QTest::newRow("German") << QLocale("de_DE") << "de";
        QTest::newRow("English, British") << QLocale("en_GB") << "en";
        QTest::newRow("English, American") << QLocale("en_US") << "en";
    }

    void helpPage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, page);

        QLocale::setDefault(locale);
        MainWindow window;
        window.findChild<QAction *>("actionHelp")->trigger();
        const QString path = QCoreApplication::applicationDirPath() +
                             "/Help/DravlinSolarDataLoggerHelp_" + page + ".html";
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY2(QFile::exists(path), qPrintable(path)); // the build puts the pages there
    }

    void openShowsTheSavedFile()
    {
        Rig rig;
        // Before any save there is nothing to open.
        QMetaObject::invokeMethod(rig.window.get(), "openFile");
        QVERIFY(openedUrls.isEmpty());

        QVERIFY(rig.downloadAndDecline());
        const QString target = dir.filePath("site A.csv");
        QCOMPARE(saved(rig.driver, target), builtIn);
        QVERIFY(rig.driver.press("openBtn"));
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});

        // A cancelled save dialog leaves nothing to open.
        QVERIFY(rig.driver.press("saveBtn"));
        QVERIFY(rig.driver.press("openBtn"));
        QCOMPARE(openedUrls.size(), 1);
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
