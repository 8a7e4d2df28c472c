// The design checks of 100,000 rows, beside the time to read the same fields as numbers.
#include "BenchSupport.h"

#include "checks/DesignChecks.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>

using namespace BenchSupport;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = 100000;
    const ResultTable table = marshLaneTable(rows, 400);
    const SiteDesign design = marshLaneDesign();

    // Reference: the six measured fields of every row read as numbers and summed.
    double sum = 0.0;
    const double reference = bestOf(5, [&] {
                                 for (int r = 0; r < rows; ++r) {
                                     for (int c = 3; c <= 8; ++c)
                                         sum += table.number(r, c);
                                 }
                             }).wall;

    int failed = 0;
    const double checks = bestOf(5, [&] {
                              const DesignChecks result(table, design);
                              failed = result.failedRows();
                          }).wall;

    int reasons = 0;
    const DesignChecks result(table, design);
    const double json = bestOf(3, [&] {
                            reasons =
                                result.toJson().value(QStringLiteral("failures")).toArray().size();
                        }).wall;

    std::printf("rows                                   %d\n", rows);
    std::printf("reference: read 6 fields as numbers    %8.1f ms   (sum %.0f)\n", reference,
                sum / 5);
    std::printf("design checks of every row             %8.1f ms   (%d rows FAIL)\n", checks,
                failed);
    std::printf("  ratio to the reference               %8.2f\n", checks / reference);
    std::printf("JSON of the failures with reasons      %8.1f ms   (%d failures)\n", json, reasons);
    return 0;
}
