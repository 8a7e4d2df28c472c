// Figures for the archive's lists: File > History opened on an archive of 10,000 downloads
// (built, shown and drawn), and --list-downloads of the same archive run as a program, beside
// opening the archive and reading its list in this process (the part neither can skip).
//   build/bin/history_bench [downloads, default 10000]
#include "BenchSupport.h"

#include "archive/Archive.h"
#include "gui/HistoryWindow.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace BenchSupport;

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useOwnFolders(dir);
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        Archive archive;
        if (!archive.open(path))
            return 1;
        const QByteArray line("12/05/2024,10:41:07,RCD,30mA,x1,AC,18.3ms,PASS,Circuit 4\r\n");
        ArchivedDownload download;
        download.portName = QStringLiteral("ttyUSB0");
        download.devicePath = QStringLiteral("/dev/ttyUSB0");
        download.readTimeoutMs = 110;
        download.data = line.repeated(30);
        for (int i = 0; i < count; ++i) {
            download.started = QDateTime::fromMSecsSinceEpoch(qint64(i) * 60000, Qt::UTC);
            download.ended = download.started.addSecs(30);
            const std::optional<qint64> id = archive.store(download);
            if (!id)
                return 1;
            archive.setSummary(*id, 30, 29, 1, true);
            if (i % 3 == 0)
                archive.recordSave(*id, QStringLiteral("/home/user/site %1.csv").arg(i), false,
                                   download.ended);
            if (i % 100 == 99)
                archive.checkpoint(); // as the window does after each save step
        }
    }

    const int rounds = 5;
    QVector<double> reference, history, command;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        {
            Archive archive;
            archive.open(path);
            if (archive.list().value_or(QVector<DownloadSummary>()).size() != count)
                return 1;
        }
        reference << clock.nsecsElapsed() / 1e6;

        clock.restart();
        {
            Archive archive;
            archive.open(path);
            HistoryWindow window(&archive, QString());
            window.show();
            QCoreApplication::processEvents(); // laid out and drawn
        }
        history << clock.nsecsElapsed() / 1e6;

        QProcess list;
        clock.restart();
        list.start(QCoreApplication::applicationDirPath() + QStringLiteral("/marlune-datalogger"),
                   {QStringLiteral("--list-downloads"), QStringLiteral("--archive"), path});
        if (!list.waitForFinished(60000) || list.exitCode() != 0)
            return 1;
        command << clock.nsecsElapsed() / 1e6;
        if (list.readAllStandardOutput().count('\n') != count + 1)
            return 1;
    }
    std::printf("%d downloads, median of %d runs:\n", count, rounds);
    std::printf("  open the archive and read its list (reference): %8.1f ms\n", median(reference));
    std::printf("  File > History opened and drawn:                %8.1f ms (goal: at most 150)\n",
                median(history));
    std::printf("  marlune-datalogger --list-downloads (process):  %8.1f ms (goal: at most 300)\n",
                median(command));
    return 0;
}
