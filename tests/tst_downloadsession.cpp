// One download session against the tester emulator on a pseudo-terminal, without a window:
// each of its states (waiting before the commands, waiting for data, receiving, ended) told
// noise, NUL bytes, time-outs, pauses, a lost line and Cancel, in the rows of wholeDownload,
// ended and lineSendsOnlyNul.
#include "SessionRig.h"
#include "TestSupport.h"

#include "download/DownloadSession.h"
#include "download/PortErrorText.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QtTest>

#include <future>
#include <signal.h>
#include <thread>
#include <unistd.h>

using namespace TestSupport;

using Rig = SessionRig;

namespace {
const int defaultReadTimeout = Settings::definition(Settings::Key::ReadTimeout).fallback.toInt();
}

class TestDownloadSession : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;
    // A whole download failed: later ones would only wait out their time limits again.
    bool protocolBroken = false;

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(builtIn.count("\r\n") > 200);
    }

    void init()
    {
        if (protocolBroken)
            QSKIP("an earlier download failed: the tester is not answering");
    }

    void failedOpen_data()
    {
        // A device path tried, or the emulator's device "denied" to us; or a port not tried
        // (kind >= 0) and what its device recorded.
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("kind"); // Ml::PortErrorKind
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("diagnostic");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("reason");
        const auto tried = [](const char *name, const QString &port, const QString &reason) {
            QTest::newRow(name) << port << -1 << 0u << QString() << QString() << reason;
        };
        // A missing port: tst_workflow; a held one: tst_headlessruns (through the session).
        // The system's own words for the code, not the diagnostic line.
        tried("no serial port", "/dev/null", "The system reported: Inappropriate ioctl for device");
        tried("no permission", "denied",
              "Permission denied. Your user account may not use this port.");
        const auto recorded = [](const char *name, Ml::PortErrorKind kind, uint code,
                                 const QString &diagnostic, const QString &group,
                                 const QString &reason, const QString &port = "/dev/ttyUSB0") {
            QTest::newRow(name) << port << int(kind) << code << diagnostic << group << reason;
        };
        const auto denied = Ml::PortErrorKind::PermissionDenied, other = Ml::PortErrorKind::Other;
        // Also as root, who may open any device.
        recorded("denied, the port's group", denied, EACCES, {}, "dialout",
                 "Permission denied. Add your user to the group \"dialout\" that owns the port, "
                 "then log out and log in again.");
        recorded("denied, root's group", denied, EACCES, {}, "root",
                 "Permission denied. Your user account may not use this port.");
        recorded("held by another program", Ml::PortErrorKind::InUse, EBUSY, {}, {},
                 "The port is in use by another program. Close the other program and try again.");
        recorded("no code: the diagnostic", other, 0, "diagnostic", {},
                 "The system reported: diagnostic");
        recorded("nothing known", other, 0, {}, {}, {});
        recorded("no port, whatever failed", denied, EACCES, {}, "dialout",
                 "No port is selected. Connect the adapter, then press Refresh Ports.", QString());
    }

    // A port that cannot be opened says why, in words the user can act on.
    void failedOpen()
    {
        QFETCH(QString, port);
        QFETCH(int, kind);
        QFETCH(uint, code);
        QFETCH(QString, diagnostic);
        QFETCH(QString, group);
        QFETCH(QString, reason);
        if (kind >= 0) {
            QCOMPARE(
                PortErrorText::openFailure(port, Ml::PortErrorKind(kind), code, diagnostic, group),
                reason);
            return;
        }
        if (port == "denied" && ::geteuid() == 0)
            QSKIP("root may open any device");
        Rig rig({"--baud", "0"});
        if (port == "denied") {
            port = rig.devicePath();
            QVERIFY(QFile::setPermissions(port, QFileDevice::Permissions()));
            const QString owner = QFileInfo(port).group();
            if (!owner.isEmpty() && owner != "root")
                reason = QStringLiteral("Permission denied. Add your user to the group \"%1\" "
                                        "that owns the port, then log out and log in again.")
                             .arg(owner);
        }
        QVERIFY(!rig.session.start(port, defaultReadTimeout));
        QVERIFY(!rig.session.isRunning());
        QCOMPARE(rig.session.openFailureReason(), reason);
    }

    void wholeDownload_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("data"); // sent with --data; empty: the built-in results
        QTest::addColumn<int>("readTimeout");
        const QStringList unpaced{"--baud", "0"};
        // A paced line shows a read time-out that is too short: it would cut the download.
        const QStringList paced{"--baud", "115200"};
        QTest::newRow("built-in results") << unpaced << QByteArray() << 110;
        QTest::newRow("bit 7 set on every byte")
            << (unpaced + QStringList{"--bit7"}) << QByteArray() << 110;
        QTest::newRow("NUL bytes before the commands")
            << (unpaced + QStringList{"--nul-prefix", "300"}) << QByteArray() << 110;
        const QByteArray mixed("Site,Temp\r\nD\xc3\xbcsseldorf S\xc3\xbc"
                               "d,25 \xc2\xb0"
                               "C\r\nA\0B,1\r\n",
                               43);
        // Kept short (~45 ms): only the emulator held off a loaded processor could cut it.
        QTest::newRow("paced, shortest time-out")
            << paced << builtIn.left(500)
            << Settings::definition(Settings::Key::ReadTimeout).minimum;
        // A pause shorter than the time-out is no end; it cuts the ü apart; NUL hides nothing.
        QTest::newRow("pause shorter than the time-out, character split, NUL inside")
            << (unpaced + QStringList{"--pause-after", "13", "--pause-ms", "300"}) << mixed << 500;
        // A chunk opening with NUL after a pause: only NULs before the first data are no data.
        QTest::newRow("pause just before a NUL inside the data")
            << (unpaced + QStringList{"--pause-after", "37", "--pause-ms", "300"}) << mixed << 500;
        // Noise and a time-out during the wait, then too busy to look at the port: the
        // download must not end on that old time-out once the first bytes are taken.
        QTest::newRow("noise and a time-out during the wait, busy after Download")
            << (unpaced + QStringList{"--bit7", "--nul-prefix", "300", "--pause-after", "3000",
                                      "--pause-ms", "100", "BUSY"})
            << QByteArray() << 400;
        // AFTER-LOST: the session ran once before, on a line lost before any data.
        QTest::newRow("after a session whose line was lost")
            << (unpaced + QStringList{"AFTER-LOST"}) << QByteArray() << 110;
        QByteArray large; // about 2000 chunks: far fewer batches
        while (large.size() < 2 * 1024 * 1024)
            large += builtIn;
        QTest::newRow("2 MB") << unpaced << large << defaultReadTimeout;
    }

    // The whole data, and the text for the view in batches, at most every ~50 ms; the first in
    // the very turn that brings the first bytes, not from a timer once the event loop is idle.
    void wholeDownload()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, data);
        QFETCH(int, readTimeout);
        if (!data.isEmpty()) {
            QVERIFY(put(dir.filePath("sent.bin"), data));
            arguments << "--data" << dir.filePath("sent.bin");
        }
        QByteArray original = data.isEmpty() ? builtIn : data;
        if (arguments.contains("--bit7"))
            for (char &byte : original)
                byte = char(byte | 0x80);
        const bool busy = arguments.removeAll("BUSY") > 0;
        const bool afterLost = arguments.removeAll("AFTER-LOST") > 0;
        Rig rig(afterLost ? QStringList{"--baud", "0", "--hangup-after", "0"} : arguments);
        if (afterLost) {
            QVERIFY(rig.startSession(readTimeout));
            QVERIFY2(rig.waitForEnd(10000) && rig.session.lineLost(),
                     "the first session did not end on the lost line within 10 s");
            QVERIFY(rig.emulators.start(arguments));
        }
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.startSession(readTimeout));
        auto *device = rig.session.findChild<Ml::WinSerialDeviceAsync *>();
        QVERIFY(device);
        bool bytesSeen = false, firstBatchSeen = false, firstBatchInTurn = false;
        connect(device, &Ml::WinSerialDeviceAsync::readyRead, &rig.watcher,
                [&] { bytesSeen = bytesSeen || rig.session.hasData(); });
        connect(rig.viewText, &SessionText::textReady, &rig.watcher, [&] {
            firstBatchInTurn = firstBatchSeen ? firstBatchInTurn : !bytesSeen;
            firstBatchSeen = true;
        });
        if (busy)
            QThread::msleep(100);
        protocolBroken = !rig.waitForEnd(scaled(20000)) || rig.finished.count() != 1;
        QVERIFY2(!protocolBroken, "the download did not end on the tester's silence");
        QVERIFY2(rig.batches <= clock.elapsed() / 40 + 2, qPrintable(QString::number(rig.batches)));
        QVERIFY2(firstBatchInTurn, "the first batch waited for a later turn of the event loop");

        QCOMPARE(rig.session.data(), original);
        QVERIFY(!rig.session.lineLost());
        // Bit 7 makes no UTF-8: only readable text is compared. The view shows no NUL or CR.
        if (!arguments.contains("--bit7"))
            QCOMPARE(rig.text, original.size() == 43 ? QStringLiteral("Site,Temp\nD\u00fcsseldorf "
                                                                      "S\u00fcd,25 \u00b0C\nAB,1\n")
                                                     : linesOf(original));
        QVERIFY(portIsFree(rig.devicePath()));
    }

    void ended_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kept"); // bytes of the reply kept; -1: some, not all
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("readTimeout"); // as stored
        QTest::newRow("cancel before any data")
            << QStringList{"--ignore-commands"} << 0 << true << "50";
        // The commands must not wait for the first (here very long) read time-out.
        QTest::newRow("cancel after part of the data, longest time-out")
            << QStringList{"--baud", "2400"} << -1 << true << "2147483647";
        // Cancel while the first bytes wait in the device, not yet taken: they are kept.
        QTest::newRow("cancel with bytes not yet taken")
            << QStringList{"--baud", "0", "--pause-after", "1000", "--pause-ms", "5000"} << 1000
            << true << "110";
        QTest::newRow("line lost before any data")
            << QStringList{"--baud", "0", "--hangup-after", "0"} << 0 << false << "110";
        // HANGUP-IN-WAIT: the line goes 250 ms after the port opened, before the commands.
        QTest::newRow("line lost during the wait before the commands")
            << QStringList{"--ignore-commands", "HANGUP-IN-WAIT"} << 0 << false << "110";
        QTest::newRow("line lost after data")
            << QStringList{"--baud", "0", "--hangup-after", "3000"} << 3000 << false << "110";
    }

    // Cancel, or the line lost: what came is kept, the port is let go, and the ended session
    // tells nothing more. Time-outs while the tester says nothing end nothing.
    void ended()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, kept);
        QFETCH(bool, cancel);
        QFETCH(QString, readTimeout);
        const bool hangUpInWait = arguments.removeAll("HANGUP-IN-WAIT") > 0;
        Rig rig(arguments);
        QElapsedTimer clock;
        clock.start();
        std::future<void> hangUp; // start() blocks this thread through the wait
        if (hangUpInWait)
            hangUp = std::async(std::launch::async, [pid = rig.emulators.emulator().processId()] {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                ::kill(pid_t(pid), SIGKILL);
            });
        QVERIFY(rig.startSession(*Settings::storedNumber(Settings::Key::ReadTimeout, readTimeout)));
        if (kept < 0) {
            QTRY_VERIFY_WITH_TIMEOUT(rig.session.hasData(), 3000);
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        }
        if (!cancel) {
            QVERIFY2(rig.waitForEnd(10000),
                     "the session did not end within 10 s of the line dropping");
            QVERIFY(rig.session.lineLost());
            QCOMPARE(rig.finished.count(), kept > 0 ? 1 : 0);
            QCOMPARE(rig.failed.count(), kept > 0 ? 0 : 1);
            if (kept == 0)
                QCOMPARE(rig.failed.first().first().toString(), PortErrorText::lostBeforeData());
        } else {
            const auto *device = rig.session.findChild<Ml::WinSerialDeviceAsync *>();
            if (kept < 0) { // then just after a batch of text, the next bytes in the device
                QTRY_VERIFY_WITH_TIMEOUT(rig.session.data().size() > 100, 10000);
                const int batches = rig.batches;
                QVERIFY2(QTest::qWaitFor([&] { return rig.batches > batches; }, 5000),
                         "no text for the view within 5 s");
                QThread::msleep(30);
            } else if (kept == 0)
                QTest::qWait(600);
            else // no events: the bytes wait in the device, not yet taken
                while (device->bytesAvailable() < kept && clock.elapsed() < 5000)
                    QThread::msleep(20);
            QVERIFY2(kept <= 0 || device->bytesAvailable() == kept,
                     "the first bytes did not reach the device within 5 s");
            QVERIFY(rig.session.isRunning());
            rig.session.cancel();
            QVERIFY(!rig.session.isRunning());
        }
        const int endings = rig.finished.count() + rig.failed.count();
        QCOMPARE(endings, cancel ? 0 : 1);
        QTest::qWait(300); // nothing of the ended session comes late
        QCOMPARE(rig.finished.count() + rig.failed.count(), endings);
        if (kept >= 0)
            QCOMPARE(rig.session.data(), builtIn.left(kept));
        QVERIFY(builtIn.startsWith(rig.session.data()) && rig.session.data() != builtIn);
        QCOMPARE(rig.session.hasData(), kept != 0);
        QCOMPARE(rig.text, linesOf(rig.session.data())); // the last batch came before the end
        if (cancel) // a lost line took the emulator's port with it
            QVERIFY(portIsFree(rig.devicePath()));
    }

    void lineSendsOnlyNul_data()
    {
        QTest::addColumn<int>("nulFirst"); // NUL bytes the line sends once the port is open
        // In answer to the commands: 4000 NUL bytes, or twice this many with a silence between.
        QTest::addColumn<int>("silenceAfter");
        QTest::newRow("during the wait before the commands") << 4500 << 0;
        QTest::newRow("in answer to the commands") << 0 << 0;
        // Each run of NUL bytes (1.6 s) is shorter than the limit, both with the silence longer.
        QTest::newRow("in answer, a silence between: no stuck line") << 0 << 1500;
        // A wire held in break: NUL bytes far beyond the row's bound of 15 s.
        QTest::newRow("for ever: the user cancels") << 10000000 << 0;
    }

    // A line sending only NULs (a wire in break) must not freeze us: after ~2.5 s the session
    // runs and says so, once; the answer after them is the whole download.
    void lineSendsOnlyNul()
    {
        QFETCH(int, nulFirst);
        QFETCH(int, silenceAfter);
        const bool duringWait = nulFirst > 0;
        const int warnings = silenceAfter > 0 ? 0 : 1;
        const QByteArray answer = builtIn.left(500);
        const QByteArray nul(duringWait ? 0 : silenceAfter > 0 ? 2 * silenceAfter : 4000, '\0');
        QVERIFY(put(dir.filePath("sent.bin"), nul + answer));
        QStringList arguments{"--baud", "9600", "--data", dir.filePath("sent.bin")};
        if (duringWait)
            arguments << "--nul-prefix" << QString::number(nulFirst);
        if (silenceAfter > 0)
            arguments << "--pause-after" << QString::number(silenceAfter) << "--pause-ms"
                      << "500";
        Rig rig(arguments, 15);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.startSession(defaultReadTimeout));
        if (duringWait) {
            // A wait without a limit ends only with the NUL bytes, at the row's bound for ever.
            QVERIFY2(clock.elapsed() < scaled(6000),
                     "the wait for the line to settle has no limit");
            QCOMPARE(rig.onlyNul.count(), 1);
            QTest::qWait(500);
        } else {
            QCOMPARE(rig.onlyNul.count(), 0); // the line was quiet during the wait
            // The count itself once the session ended: a warning that comes again and again
            // must not keep this wait busy. (Not QTRY: it waits three times as long to fail.)
            QVERIFY2(
                QTest::qWaitFor([&] { return rig.onlyNul.count() >= warnings; }, scaled(10000)),
                "no warning within 10 s of the NUL bytes");
            QVERIFY2(!warnings || clock.elapsed() > 2500,
                     qPrintable(QString::number(clock.elapsed())));
        }
        QVERIFY(!rig.session.hasData());
        if (nulFirst > 5000) {
            rig.session.cancel();
            QVERIFY(!rig.session.isRunning() && portIsFree(rig.devicePath()));
            return;
        }
        QVERIFY2(rig.waitForEnd(scaled(10000)),
                 "the session did not end within 10 s of the NUL bytes");
        QCOMPARE(rig.onlyNul.count(), warnings);
        QCOMPARE(rig.session.data(), answer);
    }
};

QTEST_GUILESS_MAIN(TestDownloadSession)

#include "tst_downloadsession.moc"
