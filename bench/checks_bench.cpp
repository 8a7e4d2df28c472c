// The design checks of 100,000 rows, beside the time to read the same fields as numbers.
#include "checks/DesignChecks.h"
#include "results/ResultTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>

namespace {

ResultTable makeTable(int rows)
{
    ResultTable table;
    table.columns = QStringList{"Site",
                                "String",
                                "Voc (V)",
                                "Isc (A)",
                                "Irradiance (W/m2)",
                                "Module Temp (C)",
                                "Riso (MOhm)",
                                "Continuity (Ohm)",
                                "Result"};
    table.resultColumn = 8;

    for (int r = 0; r < rows; ++r) {
        const int inverter = 1 + r / 400 % 8;
        const double temp = 20.0 + r % 40;
        const int modules = r % 97 == 0 ? 21 : 22;
        const double voc = modules * 38.4 * (1.0 - 0.0029 * (temp - 25.0));
        const double irradiance = 380 + r % 640;
        const double isc = 10.45 * irradiance / 1000.0 * (1.0 + 0.0005 * (temp - 25.0));
        table.appendRow(QStringList{QStringLiteral("Marsh Lane Solar Park"),
                                    QStringLiteral("INV%1-S%2").arg(inverter).arg(r % 400),
                                    QString::number(voc, 'f', 1), QString::number(isc, 'f', 2),
                                    QString::number(irradiance), QString::number(temp, 'f', 1),
                                    QString::number(1 + r % 900), QStringLiteral("0.25"),
                                    QStringLiteral("PASS")});
    }
    return table;
}

SiteDesign makeDesign()
{
    SiteDesign design;
    design.site = QStringLiteral("Marsh Lane Solar Park");
    for (int i = 1; i <= 8; ++i) {
        SiteDesign::Array array;
        array.name = QStringLiteral("Inverter %1").arg(i);
        array.match = QStringLiteral("INV%1-").arg(i);
        array.modulesInSeries = 22;
        array.vocStc = 38.4;
        array.iscStc = 10.45;
        array.betaVoc = -0.29;
        array.continuityMax = 1.0;
        design.arrays.append(array);
    }
    return design;
}

template <typename F> double bestOf(int runs, F work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = 100000;
    const ResultTable table = makeTable(rows);
    const SiteDesign design = makeDesign();

    // Reference: the six measured fields of every row read as numbers and summed.
    double sum = 0.0;
    const double reference = bestOf(5, [&] {
        for (int r = 0; r < rows; ++r) {
            for (int c = 2; c <= 7; ++c)
                sum += table.number(r, c);
        }
    });

    int failed = 0;
    const double checks = bestOf(5, [&] {
        const DesignChecks result(table, design);
        failed = result.failedRows();
    });

    int reasons = 0;
    const DesignChecks result(table, design);
    const double json = bestOf(
        3, [&] { reasons = result.toJson().value(QStringLiteral("failures")).toArray().size(); });

    std::printf("rows                                   %d\n", rows);
    std::printf("reference: read 6 fields as numbers    %8.1f ms   (sum %.0f)\n", reference,
                sum / 5);
    std::printf("design checks of every row             %8.1f ms   (%d rows FAIL)\n", checks,
                failed);
    std::printf("  ratio to the reference               %8.2f\n", checks / reference);
    std::printf("JSON of the failures with reasons      %8.1f ms   (%d failures)\n", json, reasons);
    return 0;
}
