#pragma once

#include "checks/SiteDesign.h"
#include "results/ResultTable.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <ctime>

class QTemporaryDir;

// What the benchmarks share: figures, memory, today's save pipeline as a reference, folders of
// their own, and Marsh Lane's strings with their design.
namespace BenchSupport {

double median(QVector<double> values);

// This process's peak resident memory in KiB (0 where it cannot be read).
long peakRssKiB();

// Today's pipeline of a save for the received bytes: bit 7 cleared and the file written with
// QSaveFile. Milliseconds, -1 when the file could not be written.
double timedSave(const QByteArray &received, const QString &path);

// The offscreen platform unless one is named, and a settings store (and with data, an archive)
// of the bench's own in dir: the user's stay untouched. Before the application object.
void useOwnFolders(const QTemporaryDir &dir, bool data = false);

// Rows as the tester measures Marsh Lane's strings (Date, Site, String, Voc, Isc, Irradiance,
// Module Temp, Riso, Continuity, Result): every 97th string one module short, every 61st with
// a low insulation resistance and FAIL. With bytes, also the rows as the tester's CSV.
ResultTable marshLaneTable(int rows, int stringsPerInverter, QByteArray *bytes = nullptr);
// Marsh Lane's design: 8 inverters of strings of 22 modules.
SiteDesign marshLaneDesign();

// The best of a few runs: wall-clock time and this process's processor time, in ms (the
// machine may be shared: the processor time says what the work itself costs).
struct Figure
{
    double wall = 1e300;
    double cpu = 1e300;
};

template <typename F> Figure bestOf(int runs, F work)
{
    Figure best;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t start = std::clock();
        work();
        best.cpu = std::min(best.cpu, double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
        best.wall = std::min(best.wall, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace BenchSupport
