// The download from the command line as a script or service runs it (no display) against
// the tester emulator: exit statuses, the file left byte for byte, the output. (Signals:
// tst_archivecommands, with what the archive kept.)
#include "ProgramRun.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"

#include "serial/WinSerialDeviceAsync.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

class TestHeadlessDownload : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
    }

    void download_data()
    {
        QTest::addColumn<QStringList>("emulator"); // its arguments; empty: no emulator
        QTest::addColumn<QStringList>("options");  // PORT and FILE stand for the port and file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("file"); // what the file holds afterwards
        QTest::addColumn<QByteArray>("out");  // what the standard output got
        QTest::addColumn<QString>("said");    // a line of the error stream
        QTest::addColumn<QString>("unsaid");  // what the error stream must not hold

        const QString usual = "--port PORT --output FILE ";
        const QByteArray none("<missing>");
        const auto row = [](const char *name, const QString &emulator, const QString &options,
                            int status, const QByteArray &file, const QByteArray &out = {},
                            const QString &said = {}, const QString &unsaid = {}) {
            QTest::newRow(name) << emulator.split(' ', Qt::SkipEmptyParts)
                                << options.split(' ', Qt::SkipEmptyParts) << status << file << out
                                << said << unsaid;
        };
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        // Every field comma a semicolon, every decimal point a comma, nothing else changed.
        QByteArray european = builtIn;
        for (char &c : european)
            c = c == ',' ? ';' : c == '.' ? ',' : c;
        row("bit 7 set, NUL bytes first, a pause shorter than the time-out",
            "--baud 0 --bit7 --nul-prefix 300 --pause-after 3000 --pause-ms 100",
            usual + "--read-timeout 400", 0, builtIn, {},
            QString("File successfully saved: FILE (%1 bytes)")
                .arg(english.toString(builtIn.size())),
            "Win32SerialDevice");
        row("European .csv", "--baud 0", usual + "--european", 0, european);
        row("European asked, .txt written as received", "--baud 0",
            "--port PORT --output FILE.txt --european --quiet", 0, builtIn, {},
            "The European format applies to .csv files only", "saved");
        row("quiet: nothing but errors", "--baud 0", usual + "--quiet", 0, builtIn, {}, "", "ANY");
        row("standard output", "--baud 0", "--port PORT --output -", 0, none, builtIn,
            QString("Bytes written to the standard output: %1")
                .arg(english.toString(builtIn.size())));
        row("standard output, European", "--baud 0", "--port PORT --output - --european", 0, none,
            european, "", ".csv files only");
        row("standard output closed early", "--baud 0", "--port PORT --output - CLOSEOUT", 5, none,
            {}, "Error writing to the standard output: Broken pipe");
        // The data looks whole: only the lost line makes it exit 6.
        const int recordEnd = builtIn.indexOf("\r\n", 3000) + 2;
        row("line lost at a record's end", QString("--baud 0 --hangup-after %1").arg(recordEnd),
            usual, 6, builtIn.left(recordEnd), {},
            "Port PORT: The connection to the device was lost. The data received");
        // Saved, but cut mid-record: the summary warns, exit 6.
        row("a pause longer than the time-out", "--baud 0 --pause-after 5000 --pause-ms 1000",
            usual, 6, builtIn.left(5000), {},
            "The last record is incomplete: the tester may have paused");
        row("whole: the summary on the error stream", "--baud 0", usual, 0, builtIn, {},
            QStringLiteral("%1 records ").arg(builtIn.count('\n') - 1), "incomplete");
        row("line lost before data", "--baud 0 --hangup-after 0", usual, 4, none, {},
            "Port PORT: The connection to the device was lost before any data arrived.",
            "Failed to connect");
        row("tester never answers, start time-out", "--ignore-commands",
            usual + "--start-timeout 2", 4, none, {}, "Port PORT: No data came within 2 s");
        // Data flows within the start time-out; the download takes longer (about 2 s; a
        // loaded machine may hold the paced line up longer than the shortest read time-out).
        row("start time-out shorter than the download", "--baud 115200",
            usual + "--start-timeout 1 --read-timeout 1000", 0, builtIn);
        row("port held by another program", "--baud 0", usual + "HOLD", 3, none, {},
            "Port PORT: The port is in use by another program.");
        row("no such port", "", usual, 3, none, {},
            "Port PORT: No such device. Check that the adapter is plugged in.\n"
            "The ports of this system: marlune-datalogger --list-ports",
            "Refresh Ports");
        row("verbose: the serial diagnostics", "", usual + "--verbose", 3, none, {},
            "Win32SerialDevice::open");
        row("quiet without verbose: no serial diagnostics", "", usual + "--quiet", 3, none, {}, "",
            "Win32SerialDevice");
        // The target is checked before the port opens (there is none): 5.
        row("read-only target", "", usual + "READONLY", 5, "last week\r\n", {}, "Error opening");
        row("folder does not exist", "", "--port PORT --output NODIR", 5, none, {},
            "No such file or directory");
        row("FIFO as target", "", usual + "FIFO", 5, "FIFO", {}, "not a regular file");
        // An archive named that is not one is refused before the tester is asked, and left as
        // it was (the download() checks its bytes); --no-archive does not look at it.
        row("a CSV as the archive", "--baud 0", usual + "--archive ARCHIVE", 1, none, {},
            "ARCHIVE is not an archive of this program; nothing was changed", "Now initiate");
        row("a CSV as the archive, not archived", "--baud 0",
            usual + "--archive ARCHIVE --no-archive", 0, builtIn, {}, "", "not an archive");
        // The option rules themselves are checked in tst_commandline; here only their status.
        row("time-out no number", "", usual + "--read-timeout soon", 2, none, {},
            "--read-timeout needs a whole number");
        // Another program opening the port during a download (turned away) ends nothing.
        row("a foreign open during the download", "--baud 57600",
            usual + "--read-timeout 500 FOREIGN", 0, builtIn);
        // The window without a display: one line pointing to --download, status 1, no abort.
        row("no options, no display", "", "", 1, none, {},
            "No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To "
            "download without a window: marlune-datalogger --download --port ",
            "qt.qpa");
    }

    void download()
    {
        QFETCH(QStringList, emulator);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, out);
        QFETCH(QString, said);
        QFETCH(QString, unsaid);
        TesterEmulatorProcess tester;
        QString port = "/dev/ml-no-such-port";
        if (!emulator.isEmpty()) {
            QVERIFY(tester.start(emulator));
            port = tester.devicePath;
        }
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        QFile::remove(target);
        Ml::WinSerialDeviceAsync holder(nullptr, port);
        if (options.removeAll("HOLD"))
            QVERIFY(holder.open(QIODevice::ReadWrite, 100));
        if (options.removeAll("READONLY")) {
            QVERIFY(put(target, "last week\r\n"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        int reader = -1;
        if (options.removeAll("FIFO")) {
            QVERIFY(::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
            reader = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
            QVERIFY(reader >= 0);
        }
        const bool closeOut = options.removeAll("CLOSEOUT") > 0;
        const bool foreign = options.removeAll("FOREIGN") > 0;
        const QString archive = dir.filePath(QTest::currentDataTag() + QStringLiteral(".results"));
        const QByteArray userFile = "Date,Time,Test,Result\r\n2024-05-01,10:00,RCD,PASS\r\n";
        QVERIFY(put(archive, userFile));
        QString written = target;
        for (QString &option : options) {
            if (option == "FILE.txt")
                option = written = dir.filePath(QTest::currentDataTag() + QStringLiteral(".txt"));
            if (option == "NODIR")
                option = written = dir.filePath("no/such/folder/x.csv");
            option.replace("PORT", port).replace("FILE", target).replace("ARCHIVE", archive);
        }
        said.replace("PORT", port).replace("FILE", target).replace("ARCHIVE", archive);
        ProgramRun::Options how;
        if (closeOut) {
            how.outputFifo = dir.filePath("stdout.fifo");
            QFile::remove(how.outputFifo);
            QVERIFY(::mkfifo(QFile::encodeName(how.outputFifo).constData(), 0600) == 0);
        }
        ProgramRun run(options.isEmpty() ? options : QStringList{"--download"} + options, how);
        for (int i = 0; foreign && i < 3; ++i) { // about 4 s of data: during the download
            QTest::qWait(i == 0 ? 1200 : 100);
            const int fd = ::open(QFile::encodeName(port).constData(), O_RDWR | O_NOCTTY);
            if (fd >= 0)
                ::close(fd);
        }
        QVERIFY2(run.wait(60000) == status, run.error.constData());
        if (reader >= 0) {
            char got[16];
            QVERIFY(::read(reader, got, sizeof got) <= 0); // nothing sent into the pipe
            ::close(reader);
            QVERIFY(QFileInfo(target).exists() && !QFileInfo(target).isFile());
        } else {
            QVERIFY2(contents(written) == file, run.error.constData());
        }
        QCOMPARE(run.output, out);
        QCOMPARE(contents(archive), userFile);
        QVERIFY2(run.error.contains(said.toUtf8()), run.error.constData());
        if (unsaid == "ANY")
            QVERIFY2(run.error.isEmpty(), run.error.constData());
        else if (!unsaid.isEmpty())
            QVERIFY2(!run.error.contains(unsaid.toUtf8()), run.error.constData());
    }
};

QTEST_GUILESS_MAIN(TestHeadlessDownload)

#include "tst_headlessdownload.moc"
