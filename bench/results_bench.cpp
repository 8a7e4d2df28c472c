// Reading a large download as results: 100,000 records in the tester's form (about 10 MB)
// parsed and put into the table model, beside Python's csv module reading the same file in the
// same run, and the memory that takes beyond the data itself.
//
// Run build/bin/results_bench. The file is written by a child process of the bench, so that
// the peak memory measured here holds nothing but the data and its reading.
#include "TesterDataSet.h"
#include "results/ResultsCheck.h"
#include "results/ResultsModel.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

const int records = 100000;
const int runs = 3;

long long peakResidentBytes()
{
    rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

// The emulator's records, over and over with numbers of their own.
bool writeData(const QString &path)
{
    const std::string builtIn = TesterDataSet::builtIn();
    const QByteArray set(builtIn.data(), static_cast<int>(builtIn.size()));
    const int headerEnd = set.indexOf("\r\n") + 2;
    const QList<QByteArray> lines = set.mid(headerEnd).split('\n');
    QByteArray out = set.left(headerEnd);
    for (int record = 1; record <= records;) {
        for (const QByteArray &line : lines) {
            if (line.isEmpty() || record > records)
                continue;
            out += QByteArray::number(record++) + line.mid(line.indexOf(',')) + '\n';
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

qint64 tableBytes(const ResultTable &table)
{
    return table.text.capacity() + 4LL * table.fieldBounds.capacity() +
           4LL * table.rowStarts.capacity() + 4LL * table.rowLines.capacity() +
           2LL * table.numeric.capacity();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0)
        return writeData(QString::fromLocal8Bit(argv[2])) ? 0 : 1;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    if (QProcess::execute(QCoreApplication::applicationFilePath(), {"--write", path}) != 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray data = file.readAll();
    file.close();

    // The first reading also gives the peak memory beyond the data.
    const long long before = peakResidentBytes();
    QElapsedTimer timer;
    double ours = 1e9;
    qint64 storage = 0;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        ResultsModel model(ResultsParser::parse(data));
        const double elapsed = timer.nsecsElapsed() / 1e6;
        ours = std::min(ours, elapsed);
        if (run == 0) {
            const long long peak = peakResidentBytes() - before;
            storage = tableBytes(model.table());
            std::printf("peak memory beyond the data: %.2f bytes per byte (%lld bytes)\n",
                        double(peak) / data.size(), peak);
            std::printf("the table's own storage:     %.2f bytes per byte\n",
                        double(storage) / data.size());
            const ResultsSummary summary(model.table(), ResultsCheck::check(model.table()));
            std::printf("%s, %d warnings, %d columns\n", qPrintable(summary.text()),
                        int(summary.warnings().size()), model.columnCount());
        }
    }

    double python = 1e9;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        timer.start();
        process.start(
            QStringLiteral("python3"),
            {"-c", "import csv, sys; list(csv.reader(open(sys.argv[1], newline='')))", path});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            std::fprintf(stderr, "python3 failed: %s\n",
                         process.readAllStandardError().constData());
            python = 0;
            break;
        }
        python = std::min(python, timer.nsecsElapsed() / 1e6);
    }

    std::printf("%d records, %d bytes (best of %d runs)\n", records, int(data.size()), runs);
    std::printf("parse + model:              %8.1f ms\n", ours);
    std::printf("python3 csv.reader (list):  %8.1f ms\n", python);
    if (python > 0)
        std::printf("ratio (goal <= 1.0):        %8.2f\n", ours / python);
    return 0;
}
