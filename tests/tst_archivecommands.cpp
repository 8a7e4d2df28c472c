// The archive from the command line, run as a script runs it: --list-downloads, --export,
// --delete and a --download kept in the archive. Their usage errors: tst_commandline.
#include "ArchiveFiles.h"
#include "ProgramRun.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"

#include "archive/Archive.h"
#include "download/SavedData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

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

class TestArchiveCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int cases = 0;

    // A fresh archive file in this run's folder.
    QString archivePath() { return dir.filePath(QStringLiteral("archive-%1.sqlite").arg(++cases)); }

private slots:
    void listing()
    {
        const Stored stored(archivePath());
        QVERIFY(stored.newer > stored.older && stored.older > 0);

        QByteArray output, error;
        QCOMPARE(
            ProgramRun::status({"--list-downloads", "--archive", stored.path}, &output, &error), 0);
        const QList<QByteArray> lines = output.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].contains("ID") && lines[0].contains("Saved as"), lines[0].constData());
        // Newest first, local time, and "not saved" for the one never saved.
        const QString local = QDateTime(QDate(2026, 3, 15), QTime(9, 26, 53), Qt::UTC)
                                  .toLocalTime()
                                  .toString("yyyy-MM-dd HH:mm:ss");
        QVERIFY2(lines[1].trimmed().startsWith(QByteArray::number(stored.newer)) &&
                     lines[1].contains(local.toUtf8()) && lines[1].contains("ttyUSB0") &&
                     lines[1].contains("Finished") && lines[1].endsWith("not saved"),
                 lines[1].constData());
        QVERIFY2(lines[2].contains("Line lost") && lines[2].endsWith("/srv/site/older.csv"),
                 lines[2].constData());

        QCOMPARE(ProgramRun::status(
                     {"--list-downloads", "--format", "json", "--archive", stored.path}, &output),
                 0);
        const QJsonArray list = QJsonDocument::fromJson(output).array();
        QCOMPARE(list.size(), 2);
        const QJsonObject newest = list[0].toObject();
        QVERIFY(newest["id"] == int(stored.newer) && newest["bytes"] == allBytes().size());
        QVERIFY(newest["ending"] == "silence" && newest["port"] == "ttyUSB0");
        QVERIFY(newest["lastSaved"].isNull());
        // ISO 8601 with the offset, and the same moment as stored.
        const QString started = newest["started"].toString();
        QVERIFY2(
            QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$")
                .match(started)
                .hasMatch(),
            qPrintable(started));
        QCOMPARE(QDateTime::fromString(started, Qt::ISODate).toUTC(),
                 QDateTime(QDate(2026, 3, 15), QTime(9, 26, 53), Qt::UTC));
        QVERIFY(list[1].toObject()["ending"] == "line-lost" &&
                list[1].toObject()["lastSaved"] == "/srv/site/older.csv");

        // An archive without downloads: the header alone, an empty array.
        const QString empty = archivePath();
        QVERIFY(Archive().open(empty));
        QCOMPARE(ProgramRun::status({"--list-downloads", "--archive", empty}, &output), 0);
        QCOMPARE(output.count('\n'), 1);
        QCOMPARE(ProgramRun::status({"--list-downloads", "--archive", empty, "--format", "json"},
                                    &output),
                 0);
        QCOMPARE(QJsonDocument::fromJson(output).array().size(), 0);
    }

    void exporting_data()
    {
        QTest::addColumn<QStringList>("options"); // FILE stands for the output
        QTest::addColumn<QString>("name");        // of the output
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("said");

        const QByteArray data = allBytes();
        QTest::newRow("as received, bit 7 cleared")
            << QStringList() << "out.csv" << 0 << sevenBit(data) << "File successfully saved";
        QTest::newRow("European .csv") << QStringList{"--european"} << "out.csv" << 0
                                       << SavedData::fileBytes(data, true) << "";
        QTest::newRow("standard output") << QStringList() << "-" << 0 << sevenBit(data) << "";
        QTest::newRow("no such download") << QStringList{"ID=999"} << "out.csv" << 7
                                          << QByteArray("<missing>") << "There is no download 999";
        QTest::newRow("read-only target") << QStringList{"READONLY"} << "out.csv" << 5
                                          << QByteArray("last week\r\n") << "Error opening";
    }

    void exporting()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QByteArray, file);
        QFETCH(QString, said);

        const Stored stored(archivePath());
        QVERIFY(stored.newer > 0);
        QString id = QString::number(stored.newer);
        const QString target = name == "-" ? name : dir.filePath(QString::number(cases) + name);
        if (options.removeAll("READONLY")) {
            QVERIFY(put(target, "last week\r\n"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        if (options.removeAll("ID=999"))
            id = "999";

        QByteArray output, error;
        QCOMPARE(
            ProgramRun::status(
                QStringList{"--export", id, "--output", target, "--archive", stored.path} + options,
                &output, &error),
            status);
        QVERIFY2(error.contains(said.toUtf8()), error.constData());
        QCOMPARE(target == "-" ? output : contents(target), file);

        // A save is recorded against the download; a failed one is not.
        Archive archive;
        QVERIFY(archive.open(stored.path));
        const QVector<ArchivedSave> saves = archive.saves(stored.newer);
        QCOMPARE(saves.size(), status == 0 && target != "-" ? 1 : 0);
        if (!saves.isEmpty()) {
            QCOMPARE(saves[0].path, target);
            QCOMPARE(saves[0].european, options.contains("--european") && name.endsWith(".csv"));
        }
    }

    void deleting()
    {
        const Stored stored(archivePath());
        const QString id = QString::number(stored.older);
        QByteArray error;
        QCOMPARE(ProgramRun::status({"--delete", id, "--archive", stored.path}, nullptr, &error),
                 0);
        QVERIFY2(error.contains("deleted"), error.constData());
        // Gone, with its saves; the other one stays whole.
        QCOMPARE(ProgramRun::status({"--delete", id, "--archive", stored.path}, nullptr, &error),
                 7);
        QCOMPARE(ProgramRun::status({"--export", id, "--output", dir.filePath("gone.csv"),
                                     "--archive", stored.path}),
                 7);
        Archive archive;
        QVERIFY(archive.open(stored.path));
        QCOMPARE(archive.list()->size(), 1);
        QVERIFY(archive.saves(stored.older).isEmpty());
        QCOMPARE(archive.data(stored.newer).value_or(QByteArray()), allBytes());
    }

    // An archive named that is not one (the user's own file) is refused in one line by every
    // command and left as it was; a missing one is not created; one that cannot be written is
    // read, leaving nothing beside it; a query that fails is an error, while bytes that can be
    // read are still written.
    void namedArchive_data()
    {
        QTest::addColumn<QString>("command"); // ID, FILE: a download, the output
        QTest::addColumn<QString>("archive"); // what --archive names
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");

        const QString notOurs =
            "results.csv is not an archive of this program; nothing was changed";
        for (const char *command :
             {"--list-downloads", "--list-downloads --format json", "--export ID --output FILE",
              "--delete ID", "--report ID --output FILE.pdf", "--report RESULTS --output FILE.pdf"})
            QTest::newRow(qPrintable(QString("a CSV, %1").arg(command)))
                << command << "results.csv" << 1 << notOurs;
        // What else is no archive (a folder, a FIFO, a newer version's): tst_archive.
        for (const char *command :
             {"--list-downloads", "--export ID --output FILE", "--report ID --output FILE.pdf",
              "--delete ID", "--sync --team postgresql://alice@127.0.0.1:1/team"})
            QTest::newRow(qPrintable(QString("missing, %1").arg(command)))
                << command << "missing/archive.sqlite" << 1 << "There is no archive at";
        for (const char *command :
             {"--list-downloads", "--export ID --output FILE", "--report ID --output FILE.pdf"})
            QTest::newRow(qPrintable(QString("read-only folder, %1").arg(command)))
                << command << "READONLY" << (QString(command).startsWith("--report") ? 2 : 0)
                << (QString(command).startsWith("--report") ? "No design is kept" : "");
        QTest::newRow("save table damaged, list")
            << "--list-downloads"
            << "DAMAGED" << 1 << "could not be read: database disk image is malformed";
        QTest::newRow("save table damaged, export")
            << "--export ID --output FILE"
            << "DAMAGED" << 0 << "The archive could not record this save";
    }

    void namedArchive()
    {
        QFETCH(QString, command);
        QFETCH(QString, archive);
        QFETCH(int, status);
        QFETCH(QString, said);

        const QString folder = dir.filePath(QString("named-%1").arg(++cases));
        QVERIFY(QDir().mkpath(folder));
        const QString output = dir.filePath(QString("named-%1.csv").arg(cases));
        const QString pdf = dir.filePath(QString("named-%1.pdf").arg(cases));
        const QString results = dir.filePath("results-file.csv");
        QVERIFY(put(results, "Record,Site,Result\r\n1,Marsh Lane,PASS\r\n"));
        const QByteArray csv = "Date,Time,Test,Result\r\n2024-05-01,10:00,RCD,PASS\r\n";
        qint64 id = 999;
        QString path = folder + "/" + archive;
        if (archive == "results.csv") {
            QVERIFY(put(path, csv));
        } else if (archive != "missing/archive.sqlite") {
            path = folder + "/archive.sqlite";
            const Stored stored(path);
            id = stored.older;
            QVERIFY(id > 0);
            if (archive == "DAMAGED") // a page of the save table overwritten
                QVERIFY(overwriteTablePage(path, "save", 5));
        }
        if (archive == "READONLY" && !lockFolder(folder, true))
            QSKIP("the folder cannot be made read-only here (chattr needs CAP_LINUX_IMMUTABLE)");
        auto unlock = qScopeGuard([&] {
            if (archive == "READONLY")
                lockFolder(folder, false);
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
            argument.replace("ID", QString::number(id)).replace("RESULTS", results);
            argument.replace("FILE.pdf", pdf).replace("FILE", output);
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
        // Nothing named, moved, created or left beside it; the file byte for byte as it was.
        QCOMPARE(names(), before);
        if (QFileInfo(path).isFile() && archive != "DAMAGED")
            QCOMPARE(contents(path), bytes);
        if (archive == "DAMAGED" && status == 0)
            QCOMPARE(contents(output), QByteArray("Record,Result\r\n1,PASS\r\n"));
    }

    // The command-line download is kept before it is written: saved, not archived on
    // request, stopped by a signal, and written later when its output failed.
    void downloadKept_data()
    {
        QTest::addColumn<QStringList>("options"); // FILE stands for the output
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ending"); // empty: nothing archived

        QTest::newRow("saved") << QStringList() << 0 << "silence";
        QTest::newRow("not archived") << QStringList{"--no-archive"} << 0 << "";
        QTest::newRow("output not written") << QStringList{"READONLY"} << 5 << "silence";
        // A service stopped, Ctrl+C, a closed SSH session: a clean end, one line, the port free.
        QTest::newRow("stopped with SIGTERM") << QStringList{"SIGTERM"} << 143 << "interrupted";
        QTest::newRow("stopped with SIGINT") << QStringList{"SIGINT"} << 130 << "interrupted";
        QTest::newRow("stopped with SIGHUP") << QStringList{"SIGHUP"} << 129 << "interrupted";
        QTest::newRow("archive cannot be written") << QStringList{"UNWRITABLE"} << 0 << "";
    }

    void downloadKept()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, ending);

        int signalNumber = 0;
        for (const int number : {SIGTERM, SIGINT, SIGHUP})
            if (options.removeAll(number == SIGTERM  ? "SIGTERM"
                                  : number == SIGINT ? "SIGINT"
                                                     : "SIGHUP"))
                signalNumber = number;
        const bool stop = signalNumber != 0;
        const bool readOnly = options.removeAll("READONLY");
        TesterEmulatorProcess tester;
        // Stopped, or made read-only, during a pause in the middle of the data.
        const bool pause = stop || readOnly;
        QVERIFY(tester.start(
            pause ? QStringList{"--baud", "0", "--pause-after", "500", "--pause-ms", "2000"}
                  : QStringList{"--baud", "0"}));
        if (pause)
            options << "--read-timeout"
                    << "4000";
        const QByteArray sent = TesterEmulatorProcess::builtInData();
        QString archive = archivePath();
        const QString target = dir.filePath(QStringLiteral("download %1.csv").arg(cases));
        const bool unwritable = options.removeAll("UNWRITABLE");
        if (unwritable) {
            QVERIFY(put(archive, "a file where the folder should be"));
            archive += "/archive.sqlite";
        }
        if (readOnly)
            QVERIFY(put(target, "last week\r\n"));

        ProgramRun download(QStringList{"--download", "--port", tester.devicePath, "--output",
                                        target, "--archive", archive} +
                            options);
        if (pause) {
            // The target is checked before the port opens, and the tester is asked once it
            // is open: the data comes, and pauses, after this line.
            QByteArray said;
            QVERIFY(QTest::qWaitFor(
                [&] {
                    said += download.process.readAllStandardError();
                    return said.contains("Now initiate the download on the tester");
                },
                10000));
            QTest::qWait(700);
            // Only the child we started: a pid of 0 (the child ended) would signal our group.
            const qint64 pid = download.process.processId();
            QVERIFY2(pid > 0 && download.process.state() == QProcess::Running,
                     "the download ended before it was stopped");
            if (stop)
                ::kill(pid_t(pid), signalNumber);
            else
                QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        }
        QCOMPARE(download.wait(), status);
        // One line for a download not archived. (An archive refused: tst_headlessdownload.)
        QCOMPARE(download.error.count("This download was not archived: "), unwritable ? 1 : 0);
        if (unwritable) {
            QCOMPARE(contents(target), sevenBit(TesterEmulatorProcess::builtInData()));
            return;
        }

        if (ending.isEmpty()) { // not even created
            QVERIFY(!QFileInfo::exists(archive));
            return;
        }
        QByteArray output;
        QCOMPARE(ProgramRun::status({"--list-downloads", "--format", "json", "--archive", archive},
                                    &output),
                 0);
        const QJsonArray list = QJsonDocument::fromJson(output).array();
        QCOMPARE(list.size(), 1);
        const QJsonObject kept = list[0].toObject();
        QVERIFY(kept["ending"] == ending && kept["port"] == tester.devicePath);
        QCOMPARE(kept["lastSaved"].toString(), status == 0 ? target : QString());
        Archive opened;
        QVERIFY(opened.open(archive));
        const QByteArray data = opened.data(kept["id"].toInt()).value_or(QByteArray("<none>"));
        if (stop) {
            QVERIFY(!data.isEmpty() && sent.startsWith(data)); // what came before the stop
            QVERIFY2(download.error.contains("Interrupted: nothing was saved\n"),
                     download.error.constData());
            QVERIFY(portIsFree(tester.devicePath));
            QVERIFY(!QFile::exists(target));
            return;
        }
        QCOMPARE(data, sent);
        if (!readOnly) {
            QCOMPARE(opened.summary(kept["id"].toInt())->recordCount.value_or(-1) > 0, true);
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
        QVERIFY2(!command.isEmpty(), download.error.constData());
        QStringList arguments = QProcess::splitCommand(command.replace("'", "\""));
        arguments.removeFirst();
        QCOMPARE(arguments.mid(0, 4), (QStringList{"--export", QString::number(kept["id"].toInt()),
                                                   "--output", target}));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(ProgramRun::status(arguments), 0);
        QCOMPARE(contents(target), sevenBit(sent));
    }
};

QTEST_GUILESS_MAIN(TestArchiveCommands)

#include "tst_archivecommands.moc"
