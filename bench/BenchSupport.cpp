#include "BenchSupport.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace BenchSupport {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

long peakRssKiB()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

double timedSave(const QByteArray &received, const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray bytes(received.size(), Qt::Uninitialized);
    for (int i = 0; i < received.size(); ++i)
        bytes[i] = char(received[i] & 0x7f);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return -1;
    return clock.nsecsElapsed() / 1e6;
}

void useOwnFolders(const QTemporaryDir &dir, bool data)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    if (data)
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
}

ResultTable marshLaneTable(int rows, int stringsPerInverter, QByteArray *bytes)
{
    ResultTable table;
    table.columns = QStringList{"Date",
                                "Site",
                                "String",
                                "Voc (V)",
                                "Isc (A)",
                                "Irradiance (W/m2)",
                                "Module Temp (C)",
                                "Riso (MOhm)",
                                "Continuity (Ohm)",
                                "Result"};
    table.resultColumn = 9;
    if (bytes)
        *bytes = table.columns.join(QLatin1Char(',')).toLatin1() + "\r\n";
    for (int r = 0; r < rows; ++r) {
        const int inverter = 1 + r / stringsPerInverter % 8;
        const double temp = 20.0 + r % 40;
        const int modules = r % 97 == 0 ? 21 : 22;
        const double voc = modules * 38.4 * (1.0 - 0.0029 * (temp - 25.0));
        const double irradiance = 380 + r % 640;
        const double isc = 10.45 * irradiance / 1000.0 * (1.0 + 0.0005 * (temp - 25.0));
        const QStringList fields{
            QStringLiteral("2024-04-15"),
            QStringLiteral("Marsh Lane Solar Park"),
            QStringLiteral("INV%1-S%2").arg(inverter).arg(r % stringsPerInverter + 1),
            QString::number(voc, 'f', 1),
            QString::number(isc, 'f', 2),
            QString::number(irradiance),
            QString::number(temp, 'f', 1),
            QString::number(r % 61 == 0 ? 0.4 : 1 + r % 900),
            QStringLiteral("0.25"),
            QLatin1String(r % 61 == 0 ? "FAIL" : "PASS")};
        table.appendRow(fields, r + 2);
        if (bytes)
            *bytes += fields.join(QLatin1Char(',')).toLatin1() + "\r\n";
    }
    return table;
}

SiteDesign marshLaneDesign()
{
    SiteDesign design;
    design.site = QStringLiteral("Marsh Lane Solar Park");
    design.inspector = QStringLiteral("J. Okafor");
    for (int i = 1; i <= 8; ++i) {
        SiteDesign::Array array;
        array.name = QStringLiteral("Inverter %1").arg(i);
        array.match = QStringLiteral("INV%1-").arg(i);
        array.module = QStringLiteral("Solwind SW-400M");
        array.modulesInSeries = 22;
        array.vocStc = 38.4;
        array.iscStc = 10.45;
        array.betaVoc = -0.29;
        array.continuityMax = 1.0;
        design.arrays.append(array);
    }
    return design;
}

} // namespace BenchSupport
