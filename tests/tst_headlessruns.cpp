// The program as a script or service runs it (no display), as a child process against the
// tester emulator: --download (exit statuses, the file byte for byte, the output, signals and
// what the archive kept), --list-downloads, --export and --delete. Usage errors:
// tst_commandline.
#include "ArchiveFiles.h"
#include "ProgramRun.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"

#include "archive/Archive.h"
#include "download/SavedData.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// Every byte value, many times over, with line ends between.
QByteArray allBytes()
{
    QByteArray data;
    for (int round = 0; round < 40; ++round) {
        for (int value = 0; value < 256; ++value)
            data.append(char(value));
        data.append("\r\n1.5,2.25,PASS\r\n");
    }
    return data;
}

// An archive with an older download, saved once, and a newer one with every byte value.
struct Stored
{
    explicit Stored(const QString &path) : path(path)
    {
        Archive archive;
        if (!archive.open(path))
            return;
        const QDateTime start = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);
        const qint64 ms = start.toMSecsSinceEpoch(), day = 24 * 3600 * 1000;
        older = archive
                    .store(downloadOf("Record,Result\r\n1,PASS\r\n", "ttyUSB0", ms,
                                      DownloadEnding::LineLost))
                    .value_or(0);
        archive.recordSave(older, "/srv/site/older.csv", false, start.addSecs(60));
        newer = archive.store(downloadOf(allBytes(), "ttyUSB0", ms + day)).value_or(0);
    }
    QString path;
    qint64 older = 0, newer = 0;
};

} // namespace

class TestHeadlessRuns : public QObject
{
    Q_OBJECT

    QByteArray builtIn = TesterEmulatorProcess::builtInData();
    QTemporaryDir dir;
    int cases = 0;

    // A fresh archive file in this run's folder.
    QString archivePath() { return dir.filePath(QStringLiteral("archive-%1.sqlite").arg(++cases)); }

    // The downloads as --list-downloads gives them in JSON; a failed run, its exit status.
    static QJsonArray listed(const QString &archive)
    {
        QByteArray output;
        const int status = ProgramRun::status(
            {"--list-downloads", "--format", "json", "--archive", archive}, &output);
        return status == 0 ? QJsonDocument::fromJson(output).array()
                           : QJsonArray{QStringLiteral("exit status %1").arg(status)};
    }

private slots:
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
    // Listed newest first, as text and as JSON.
    void listing()
    {
        const Stored stored(archivePath());
        QVERIFY(stored.newer > stored.older && stored.older > 0);

        QByteArray output;
        QCOMPARE(ProgramRun::status({"--list-downloads", "--archive", stored.path}, &output), 0);
        const QList<QByteArray> lines = output.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].contains("ID") && lines[0].contains("Saved as"), lines[0].constData());
        // Newest first, local time, and "not saved" for the one never saved.
        const QDateTime started(QDate(2026, 3, 15), QTime(9, 26, 53), Qt::UTC);
        const QString local = started.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
        QVERIFY2(lines[1].trimmed().startsWith(QByteArray::number(stored.newer)) &&
                     lines[1].contains(local.toUtf8()) && lines[1].contains("ttyUSB0") &&
                     lines[1].contains("Finished") && lines[1].endsWith("not saved"),
                 lines[1].constData());
        QVERIFY2(lines[2].contains("Line lost") && lines[2].endsWith("/srv/site/older.csv"),
                 lines[2].constData());

        const QJsonArray list = listed(stored.path);
        QCOMPARE(list.size(), 2);
        const QJsonObject newest = list[0].toObject();
        QVERIFY(newest["id"] == int(stored.newer) && newest["bytes"] == allBytes().size());
        QVERIFY(newest["lastSaved"].isNull());
        // ISO 8601 with the offset, and the same moment as stored.
        const QString when = newest["started"].toString();
        static const QRegularExpression iso(
            "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$");
        QVERIFY2(iso.match(when).hasMatch(), qPrintable(when));
        QCOMPARE(QDateTime::fromString(when, Qt::ISODate).toUTC(), started);
        QVERIFY(list[1].toObject()["ending"] == "line-lost" &&
                list[1].toObject()["lastSaved"] == "/srv/site/older.csv");

        // An archive without downloads: the header alone, an empty array.
        const QString empty = archivePath();
        QVERIFY(Archive().open(empty));
        QCOMPARE(ProgramRun::status({"--list-downloads", "--archive", empty}, &output), 0);
        QCOMPARE(output.count('\n'), 1);
        QCOMPARE(listed(empty), QJsonArray());
    }

    // The commands on a sound archive: --export writes the download (bit 7 cleared, or European)
    // and records the save, --delete takes it out. An archive named that is not one (the user's own
    // file) is refused in one line by every command and left as it was; a missing one is not
    // created; one that cannot be written (its folder or the file read-only) is read, leaving
    // nothing beside it; a query that fails is an error, while bytes that can be read are still
    // written.
    void commands_data()
    {
        // ID and NEWER: the older and the newer download; FILE: the output, LOCKED: the output
        // there already, read-only; RESULTS: a results file.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("archive"); // what --archive names
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QByteArray>("file"); // what the output holds afterwards; empty: not read

        const QByteArray data = allBytes();
        const auto row = [](const QString &name, const QString &command, const QString &archive,
                            int status, const QString &said, const QByteArray &file = {}) {
            QTest::newRow(qPrintable(name + ", " + command))
                << command << archive << status << said << file;
        };
        row("sound", "--export NEWER --output FILE", "STORED", 0, "File successfully saved",
            sevenBit(data));
        row("sound", "--export NEWER --output FILE --european", "STORED", 0, "",
            SavedData::fileBytes(data, true));
        row("sound", "--export NEWER --output -", "STORED", 0, "", sevenBit(data));
        row("sound", "--export 999 --output FILE", "STORED", 7, "There is no download 999",
            "<missing>");
        row("sound", "--export NEWER --output LOCKED", "STORED", 5, "Error opening",
            "last week\r\n");
        row("sound", "--delete ID", "STORED", 0, "deleted");
        row("sound", "--delete 999", "STORED", 7, "There is no download 999");
        for (const char *command :
             {"--list-downloads", "--list-downloads --format json", "--export ID --output FILE",
              "--delete ID", "--report ID --output FILE.pdf", "--report RESULTS --output FILE.pdf"})
            row("a CSV", command, "results.csv", 1,
                "results.csv is not an archive of this program; nothing was changed");
        // What else is no archive (a folder, a FIFO, a newer version's): tst_archive.
        for (const char *command :
             {"--list-downloads", "--export ID --output FILE", "--report ID --output FILE.pdf",
              "--delete ID", "--sync --team postgresql://alice@127.0.0.1:1/team"})
            row("missing", command, "missing/archive.sqlite", 1, "There is no archive at");
        for (const char *archive : {"READONLY", "READONLY FILE"}) {
            row(archive, "--list-downloads", archive, 0, "");
            row(archive, "--report ID --output FILE.pdf", archive, 2, "No design is kept");
        }
        row("READONLY", "--export ID --output FILE", "READONLY", 0, "",
            "Record,Result\r\n1,PASS\r\n");
        row("save table damaged", "--list-downloads", "DAMAGED", 1,
            "could not be read: database disk image is malformed");
        row("save table damaged", "--export ID --output FILE", "DAMAGED", 0,
            "The archive could not record this save", "Record,Result\r\n1,PASS\r\n");
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, archive);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QByteArray, file);

        const QString folder = dir.filePath(QString("named-%1").arg(++cases));
        QVERIFY(QDir().mkpath(folder));
        const QString output = dir.filePath(QString("named-%1.csv").arg(cases));
        const QString pdf = dir.filePath(QString("named-%1.pdf").arg(cases));
        const QString results = dir.filePath("results-file.csv");
        QVERIFY(put(results, "Record,Site,Result\r\n1,Marsh Lane,PASS\r\n"));
        qint64 id = 999, newer = 999;
        QString path = folder + "/" + archive;
        if (archive == "results.csv") {
            QVERIFY(put(path, "Date,Time,Test,Result\r\n2024-05-01,10:00,RCD,PASS\r\n"));
        } else if (archive != "missing/archive.sqlite") {
            path = folder + "/archive.sqlite";
            const Stored stored(path);
            id = stored.older;
            newer = stored.newer;
            QVERIFY(id > 0);
            if (archive == "DAMAGED") // a page of the save table overwritten
                QVERIFY(overwriteTablePage(path, "save", 5));
        }
        if (command.contains("LOCKED")) {
            QVERIFY(put(output, "last week\r\n"));
            QVERIFY(QFile::setPermissions(output, QFile::ReadOwner));
        }
        const QString locked = archive == "READONLY FILE" ? path : folder;
        if (archive.startsWith("READONLY") && !lockFolder(locked, true))
            QSKIP("the folder cannot be made read-only here (chattr needs CAP_LINUX_IMMUTABLE)");
        auto unlock = qScopeGuard([&] {
            if (archive.startsWith("READONLY"))
                lockFolder(locked, false);
        });
        const auto names = [&] {
            QStringList found = entriesUnder(dir.path());
            found.removeAll(output);
            found.removeAll(pdf);
            return found;
        };
        const QStringList before = names();
        const QByteArray bytes = QFileInfo(path).isFile() ? contents(path) : QByteArray();

        QStringList arguments = command.split(' ');
        for (QString &argument : arguments) {
            argument.replace("NEWER", QString::number(newer)).replace("ID", QString::number(id));
            argument.replace("RESULTS", results).replace("FILE.pdf", pdf);
            argument.replace("FILE", output).replace("LOCKED", output);
        }
        ProgramRun run(arguments + QStringList{"--archive", path}, ProgramRun::inCLocale());
        QCOMPARE(run.wait(20000), status);
        QVERIFY2(run.error.contains(said.toUtf8()), run.error.constData());
        if (status == 1 && !said.contains("malformed")) // one line, beside Qt's own notes
            QCOMPARE(QString::fromUtf8(run.error)
                         .split('\n', Qt::SkipEmptyParts)
                         .filter(QRegularExpression("^(?!QStandardPaths)"))
                         .size(),
                     1);
        if (!file.isEmpty())
            QCOMPARE(arguments.contains("-") ? run.output : contents(output), file);
        // Nothing named, moved, created or left beside it; the file byte for byte as it was.
        QCOMPARE(names(), before);
        if (archive != "STORED") {
            if (QFileInfo(path).isFile() && archive != "DAMAGED")
                QCOMPARE(contents(path), bytes);
            return;
        }
        // A save is recorded against the download; a failed one is not.
        Archive opened;
        QVERIFY(opened.open(path));
        QCOMPARE(bool(opened.data(id)), command != "--delete ID");
        const QVector<ArchivedSave> saves = opened.saves(newer);
        QCOMPARE(saves.size(), status == 0 && command.contains("FILE") ? 1 : 0);
        if (!saves.isEmpty())
            QVERIFY(saves[0].path == output && saves[0].european == command.contains("--european"));
    }

    // The command-line download is kept before it is written: saved, not archived on
    // request, stopped by a signal, and written later when its output failed.
    void downloadKept_data()
    {
        QTest::addColumn<QString>("change"); // an option, READONLY (output) or UNWRITABLE (archive)
        QTest::addColumn<int>("stopSignal"); // sent during a pause in the middle of the data
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ending"); // empty: nothing archived

        QTest::newRow("saved") << "" << 0 << 0 << "silence";
        QTest::newRow("not archived") << "--no-archive" << 0 << 0 << "";
        QTest::newRow("output not written") << "READONLY" << 0 << 5 << "silence";
        // A service stopped, Ctrl+C, a closed SSH session: a clean end, one line, the port free.
        QTest::newRow("stopped with SIGTERM") << "" << int(SIGTERM) << 143 << "interrupted";
        QTest::newRow("stopped with SIGINT") << "" << int(SIGINT) << 130 << "interrupted";
        QTest::newRow("stopped with SIGHUP") << "" << int(SIGHUP) << 129 << "interrupted";
        QTest::newRow("archive cannot be written") << "UNWRITABLE" << 0 << 0 << "";
    }

    void downloadKept()
    {
        QFETCH(QString, change);
        QFETCH(int, stopSignal);
        QFETCH(int, status);
        QFETCH(QString, ending);

        const bool readOnly = change == "READONLY", unwritable = change == "UNWRITABLE";
        // Stopped, or made read-only, during a pause in the middle of the data.
        const bool pause = stopSignal || readOnly;
        TesterEmulatorProcess tester;
        QVERIFY(tester.start(
            pause ? QStringList{"--baud", "0", "--pause-after", "500", "--pause-ms", "2000"}
                  : QStringList{"--baud", "0"}));
        QString archive = archivePath();
        const QString target = dir.filePath(QStringLiteral("download %1.csv").arg(cases));
        if (unwritable) {
            QVERIFY(put(archive, "a file where the folder should be"));
            archive += "/archive.sqlite";
        }
        if (readOnly)
            QVERIFY(put(target, "last week\r\n"));
        QStringList arguments = {"--download", "--port", tester.devicePath, "--output", target,
                                 "--archive",  archive};
        if (change.startsWith("--"))
            arguments << change;
        if (pause)
            arguments += {"--read-timeout", "4000"};

        ProgramRun download(arguments);
        if (pause) {
            // The target is checked before the port opens, and the tester is asked once it
            // is open: the data comes, and pauses, after this line.
            QByteArray said;
            QVERIFY2(QTest::qWaitFor(
                         [&] {
                             said += download.process.readAllStandardError();
                             return said.contains("Now initiate the download on the tester");
                         },
                         10000),
                     "the download did not ask for the tester's data within 10 s");
            QTest::qWait(700);
            // Only the child we started: a pid of 0 (the child ended) would signal our group.
            const qint64 pid = download.process.processId();
            QVERIFY2(pid > 0 && download.process.state() == QProcess::Running,
                     "the download ended before it was stopped");
            if (stopSignal)
                ::kill(pid_t(pid), stopSignal);
            else
                QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        QCOMPARE(download.wait(), status);
        // One line for a download not archived. (An archive refused: download().)
        QCOMPARE(download.error.count("This download was not archived: "), unwritable ? 1 : 0);
        if (ending.isEmpty()) { // not even created; the file written all the same
            QVERIFY(!QFileInfo::exists(archive));
            QCOMPARE(contents(target), sevenBit(builtIn));
            return;
        }
        const QJsonArray list = listed(archive);
        QCOMPARE(list.size(), 1);
        const QJsonObject kept = list[0].toObject();
        QVERIFY(kept["ending"] == ending && kept["port"] == tester.devicePath);
        QCOMPARE(kept["lastSaved"].toString(), status == 0 ? target : QString());
        const QString id = QString::number(kept["id"].toInt());
        Archive opened;
        QVERIFY(opened.open(archive));
        const QByteArray data = opened.data(id.toLongLong()).value_or(QByteArray("<none>"));
        if (stopSignal) {
            QVERIFY(!data.isEmpty() && builtIn.startsWith(data)); // what came before the stop
            QVERIFY2(download.error.contains("Interrupted: nothing was saved\n"),
                     download.error.constData());
            QVERIFY(portIsFree(tester.devicePath));
            QVERIFY(!QFile::exists(target));
            return;
        }
        QCOMPARE(data, builtIn);
        if (!readOnly) {
            QVERIFY(opened.summary(id.toLongLong())->recordCount.value_or(-1) > 0);
            return;
        }

        // The output failed: the program says where the data is and the command that writes
        // it. Once the file may be replaced, that command writes what came.
        QVERIFY2(download.error.contains("The data is kept in the archive as download"),
                 download.error.constData());
        QString command = QRegularExpression("^\\s*(marlune-datalogger --export.*)$",
                                             QRegularExpression::MultilineOption)
                              .match(QString::fromUtf8(download.error))
                              .captured(1)
                              .trimmed();
        QStringList written = QProcess::splitCommand(command.replace("'", "\""));
        QVERIFY2(written.mid(1, 4) == (QStringList{"--export", id, "--output", target}),
                 download.error.constData());
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(ProgramRun::status(written.mid(1)), 0);
        QCOMPARE(contents(target), sevenBit(builtIn));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessRuns)

#include "tst_headlessruns.moc"
