// Archive figures: storing a 20 MB download beside today's pipeline (bit 7 cleared and the
// file written with QSaveFile) in the same run, listing 10,000 downloads, and the peak
// memory of a process that stores a 20 MB download. Prints figures; judges nothing.
#include "BenchSupport.h"

#include "archive/Archive.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const int downloadSize = 20 * 1000 * 1000;

// Tester-like text lines with bit 7 set here and there, as a line might bring them.
QByteArray testerData(int size)
{
    const QByteArray line("12/05/2024,10:41:07,RCD,30mA,x1,AC,18.3ms,PASS,Circuit 4 North\r\n");
    QByteArray data;
    data.reserve(size);
    for (int n = 0; data.size() < size; ++n) {
        data.append(line);
        data[data.size() - 3 - n % 40] = char(data[data.size() - 3 - n % 40] | 0x80);
    }
    data.truncate(size);
    return data;
}

ArchivedDownload downloadOf(const QByteArray &data, qint64 startedMs)
{
    ArchivedDownload download;
    download.started = QDateTime::fromMSecsSinceEpoch(startedMs, Qt::UTC);
    download.ended = download.started.addSecs(60);
    download.portName = QStringLiteral("ttyUSB0");
    download.devicePath = QStringLiteral("/dev/ttyUSB0");
    download.readTimeoutMs = 110;
    download.data = data;
    return download;
}

// Run as a process of its own, so that its peak is the store's alone.
int memoryRun(const QString &folder)
{
    const QByteArray data = testerData(downloadSize);
    const long before = BenchSupport::peakRssKiB();
    Archive archive;
    if (!archive.open(folder + QStringLiteral("/memory.sqlite")) ||
        !archive.store(downloadOf(data, 0)))
        return 1;
    const long after = BenchSupport::peakRssKiB();
    std::printf("%ld %ld\n", before, after);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--memory") == 0)
        return memoryRun(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/archive_bench-XXXXXX"));
    const QByteArray data = testerData(downloadSize);
    const int rounds = 5;

    QVector<double> pipeline;
    QVector<double> store;
    QVector<double> checkpoint;
    Archive archive;
    if (!archive.open(dir.filePath(QStringLiteral("store.sqlite")))) {
        std::fprintf(stderr, "%s\n", qPrintable(archive.errorString()));
        return 1;
    }
    for (int round = 0; round < rounds; ++round) {
        pipeline << BenchSupport::timedSave(data, dir.filePath(QStringLiteral("download.csv")));
        if (pipeline.last() < 0)
            return 1;

        QElapsedTimer clock;
        clock.start();
        if (!archive.store(downloadOf(data, round))) {
            std::fprintf(stderr, "%s\n", qPrintable(archive.errorString()));
            return 1;
        }
        store << clock.nsecsElapsed() / 1e6;
        clock.restart();
        archive.checkpoint(); // after the save step, when nothing waits
        checkpoint << clock.nsecsElapsed() / 1e6;
    }
    const double p = BenchSupport::median(pipeline);
    const double s = BenchSupport::median(store);
    std::printf("Storing a %d byte download (median of %d, files in %s):\n", downloadSize, rounds,
                qPrintable(dir.path()));
    std::printf("  today's pipeline (bit 7 + QSaveFile): %8.1f ms\n", p);
    std::printf("  archive store:                        %8.1f ms  (%.0f %% of the pipeline, "
                "%+.1f ms)\n",
                s, 100.0 * s / p, s - p);
    std::printf("  then the checkpoint, later:           %8.1f ms\n",
                BenchSupport::median(checkpoint));

    // Listing.
    const int count = 10000;
    Archive many;
    many.open(dir.filePath(QStringLiteral("list.sqlite")));
    QElapsedTimer fill;
    fill.start();
    const QByteArray small = testerData(2000);
    for (int i = 0; i < count; ++i) {
        const auto id = many.store(downloadOf(small, qint64(i) * 60000));
        if (!id)
            return 1;
        if (i % 3 == 0)
            many.recordSave(*id, QStringLiteral("/home/user/site %1.csv").arg(i), i % 2,
                            QDateTime::currentDateTimeUtc());
    }
    std::printf("Filling an archive with %d downloads of %d bytes: %.1f s (%.2f ms each)\n", count,
                small.size(), fill.elapsed() / 1000.0, double(fill.elapsed()) / count);
    QVector<double> listing;
    int listed = 0;
    for (int round = 0; round < rounds; ++round) {
        Archive reader; // as a new window or command line would
        QElapsedTimer clock;
        clock.start();
        reader.open(dir.filePath(QStringLiteral("list.sqlite")));
        listed = reader.list().value_or(QVector<DownloadSummary>()).size();
        listing << clock.nsecsElapsed() / 1e6;
    }
    std::printf("Opening the archive and listing %d downloads: %.1f ms (median of %d)\n", listed,
                BenchSupport::median(listing), rounds);

    // Memory.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), dir.path()});
    if (child.waitForFinished(60000) && child.exitCode() == 0) {
        const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
        const double before = figures.value(0).toDouble() * 1024;
        const double after = figures.value(1).toDouble() * 1024;
        std::printf("Peak memory of a process storing a %d byte download: %.2f bytes per byte "
                    "(the data and the program before the store: %.2f; the store adds %.2f)\n",
                    downloadSize, after / downloadSize, before / downloadSize,
                    (after - before) / downloadSize);
    } else {
        std::printf("The memory run failed.\n");
    }
    return 0;
}
