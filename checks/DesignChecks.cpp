#include "checks/DesignChecks.h"

#include "common/EnumTable.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Role = SiteDesign::Role;
using Why = DesignChecks::Outcome::Why;
using Verdict = DesignChecks::Verdict;

constexpr int leastNeighbours = 3;
const double missing = std::numeric_limits<double>::quiet_NaN();

QStringList usualHeaders(Role role)
{
    switch (role) {
    case Role::Site:
        return {QStringLiteral("Site")};
    case Role::String:
        return {QStringLiteral("String")};
    case Role::Voc:
        return {QStringLiteral("Voc")};
    case Role::Isc:
        return {QStringLiteral("Isc")};
    case Role::Irradiance:
        return {QStringLiteral("Irradiance"), QStringLiteral("G")};
    case Role::Temperature:
        return {QStringLiteral("Temp"), QStringLiteral("Module Temp"),
                QStringLiteral("Temperature"), QStringLiteral("Module Temperature")};
    case Role::Insulation:
        return {QStringLiteral("Riso"), QStringLiteral("Insulation")};
    case Role::Continuity:
        break;
    }
    return {QStringLiteral("Continuity"), QStringLiteral("Rpe")};
}

QString roleLabel(Role role)
{
    // In the order of Role.
    static const char *const labels[SiteDesign::roleCount] = {
        QT_TRANSLATE_NOOP("DesignChecks", "site"),
        QT_TRANSLATE_NOOP("DesignChecks", "string name"),
        QT_TRANSLATE_NOOP("DesignChecks", "Voc"),
        QT_TRANSLATE_NOOP("DesignChecks", "Isc"),
        QT_TRANSLATE_NOOP("DesignChecks", "irradiance"),
        QT_TRANSLATE_NOOP("DesignChecks", "module temperature"),
        QT_TRANSLATE_NOOP("DesignChecks", "insulation resistance"),
        QT_TRANSLATE_NOOP("DesignChecks", "continuity")};
    return QCoreApplication::translate("DesignChecks", enumEntry(labels, role));
}

// The factor from a header's unit in brackets to the unit the design uses (V, A, MΩ, Ω):
// "Voc (mV)" 0.001, "Riso (kOhm)" 0.001, "Riso (GOhm)" 1000. Other units are taken as given.
double unitScale(const ResultTable &table, int column, Role role)
{
    if (column < 0 || column >= table.columns.size())
        return 1.0;
    const QString header = table.columns.at(column);
    const int open = header.indexOf(QLatin1Char('('));
    const int close = header.indexOf(QLatin1Char(')'), open + 1);
    if (open < 0 || close < 0)
        return 1.0;
    QString unit = header.mid(open + 1, close - open - 1).trimmed();

    double base = 1.0;
    QStringList suffixes;
    switch (role) {
    case Role::Voc:
        suffixes = QStringList{QStringLiteral("V")};
        break;
    case Role::Isc:
        suffixes = QStringList{QStringLiteral("A")};
        break;
    case Role::Insulation:
        base = 1e6;
        suffixes =
            QStringList{QStringLiteral("Ohm"), QStringLiteral("ohm"), QStringLiteral("\u03a9")};
        break;
    case Role::Continuity:
        suffixes =
            QStringList{QStringLiteral("Ohm"), QStringLiteral("ohm"), QStringLiteral("\u03a9")};
        break;
    default:
        return 1.0;
    }
    for (const QString &suffix : suffixes) {
        if (!unit.endsWith(suffix))
            continue;
        const QString prefix = unit.left(unit.size() - suffix.size());
        if (prefix.isEmpty())
            return 1.0 / base;
        if (prefix == QLatin1String("m"))
            return 1e-3 / base;
        if (prefix == QLatin1String("k") || prefix == QLatin1String("K"))
            return 1e3 / base;
        if (prefix == QLatin1String("M"))
            return 1e6 / base;
        if (prefix == QLatin1String("G"))
            return 1e9 / base;
    }
    return 1.0;
}

// A finite number from the field, scaled; a leading bound sign ('>' or '<', as testers write
// a reading beyond their range) is accepted when given. NaN when there is none.
double valueAt(const ResultTable &table, int row, int column, double scale, char bound = 0)
{
    if (column < 0)
        return missing;
    bool ok = false;
    double value = table.number(row, column, &ok);
    if (!ok && bound != 0) {
        int size = 0;
        const char *data = table.fieldData(row, column, &size);
        while (data && size > 0 && *data == ' ') {
            ++data;
            --size;
        }
        if (data && size > 0 && *data == bound) {
            const bool comma = column < table.decimalComma.size() && table.decimalComma.at(column);
            ok = ResultTable::toNumber(data + 1, size - 1, comma ? ',' : '.', &value);
        }
    }
    if (!ok || !std::isfinite(value))
        return missing;
    return value * scale;
}

DesignChecks::Outcome outcome(Verdict verdict, Why why, double a = 0, double b = 0, double c = 0,
                              double d = 0)
{
    DesignChecks::Outcome result;
    result.verdict = verdict;
    result.why = why;
    result.figures = {float(a), float(b), float(c), float(d)};
    return result;
}

DesignChecks::Outcome notChecked(Why why, double a = 0, double b = 0)
{
    return outcome(Verdict::NotChecked, why, a, b);
}

// 1 + coefficient (%/°C) × (T − 25), or 0 when the temperature makes no sense with it.
double temperatureFactor(double coefficient, double temperature)
{
    const double factor = 1.0 + coefficient / 100.0 * (temperature - 25.0);
    return factor > 0.05 ? factor : 0.0;
}

using TextForm::number;

} // namespace

bool DesignChecks::Row::failed() const
{
    return std::any_of(outcomes.cbegin(), outcomes.cend(),
                       [](const Outcome &outcome) { return outcome.verdict == Verdict::Fail; });
}

int DesignChecks::column(const ResultTable &table, const SiteDesign &design, Role role)
{
    const QString mapped = design.columns.value(role).trimmed();
    if (mapped.isEmpty())
        return table.columnNamed(usualHeaders(role));
    for (int column = 0; column < table.columns.size(); ++column) {
        if (table.columns.at(column).trimmed().compare(mapped, Qt::CaseInsensitive) == 0)
            return column;
    }
    QString name = mapped;
    const int bracket = name.indexOf(QLatin1Char('('));
    if (bracket > 0)
        name = name.left(bracket).trimmed();
    return table.columnNamed({name});
}

QString DesignChecks::checkKey(Check check)
{
    // In the order of Check.
    static const char *const keys[checkCount] = {"module_count", "voc_neighbours", "isc_stc",
                                                 "insulation", "continuity"};
    return QLatin1String(enumEntry(keys, check));
}

DesignChecks::DesignChecks(const ResultTable &table, const SiteDesign &design) : m_design(design)
{
    std::array<int, SiteDesign::roleCount> columns;
    for (int role = 0; role < SiteDesign::roleCount; ++role) {
        columns[role] = column(table, design, Role(role));
        if (columns[role] < 0)
            m_missingHeader[role] = design.columns.value(Role(role)).trimmed();
    }
    const auto at = [&columns](Role role) { return columns[int(role)]; };
    const double vocScale = unitScale(table, at(Role::Voc), Role::Voc);
    const double iscScale = unitScale(table, at(Role::Isc), Role::Isc);
    const double risoScale = unitScale(table, at(Role::Insulation), Role::Insulation);
    const double continuityScale = unitScale(table, at(Role::Continuity), Role::Continuity);
    m_temperatureColumn = at(Role::Temperature);

    const int rowCount = table.rowCount();
    m_rows.resize(rowCount);
    // Voc brought to 25 °C per row, and per array the rows' values to take the median of.
    QVector<double> voc25(rowCount, missing);
    QVector<QVector<double>> arrayVoc25(design.arrays.size());

    const QString site = design.site.trimmed();
    for (int r = 0; r < rowCount; ++r) {
        Row &row = m_rows[r];
        const int fieldCount = table.fieldCount(r);
        row.testerFail = table.verdict(r) == ResultTable::Verdict::Fail;
        if (at(Role::String) >= 0 && at(Role::String) < fieldCount)
            row.string = table.field(r, at(Role::String)).trimmed();

        if (!site.isEmpty() && at(Role::Site) >= 0 && at(Role::Site) < fieldCount) {
            const QString rowSite = table.field(r, at(Role::Site)).trimmed();
            if (!rowSite.isEmpty() && rowSite.compare(site, Qt::CaseInsensitive) != 0) {
                row.otherSite = rowSite;
                row.notChecked = NotChecked::OtherSite;
                continue;
            }
        }
        if (row.string.isEmpty()) {
            row.notChecked = NotChecked::NoStringName;
            continue;
        }
        row.array = design.arrayFor(row.string);
        if (row.array < 0) {
            row.notChecked = NotChecked::NoArray;
            continue;
        }
        ++m_checked;
        const SiteDesign::Array &array = design.arrays.at(row.array);

        const auto need = [&](Role role, double value, Outcome *out) {
            if (at(role) < 0)
                *out = notChecked(Why::NoColumn, int(role));
            else if (std::isnan(value))
                *out = notChecked(Why::NoValue, int(role));
            return !std::isnan(value);
        };
        const double voc = valueAt(table, r, at(Role::Voc), vocScale);
        const double isc = valueAt(table, r, at(Role::Isc), iscScale);
        const double irradiance = valueAt(table, r, at(Role::Irradiance), 1.0);
        const double temperature = valueAt(table, r, at(Role::Temperature), 1.0);
        const double riso = valueAt(table, r, at(Role::Insulation), risoScale, '>');
        const double continuity = valueAt(table, r, at(Role::Continuity), continuityScale, '<');

        // Module count, and Voc at 25 °C for the neighbours.
        Outcome &count = row.outcomes[int(Check::ModuleCount)];
        Outcome &neighbours = row.outcomes[int(Check::VocNeighbours)];
        if (need(Role::Voc, voc, &count) && need(Role::Temperature, temperature, &count)) {
            const double factor = temperatureFactor(array.betaVoc, temperature);
            if (factor == 0.0) {
                count = notChecked(Why::TemperatureOutOfRange, temperature);
            } else {
                const double measured = std::round(voc / (array.vocStc * factor));
                count = outcome(measured == array.modulesInSeries ? Verdict::Pass : Verdict::Fail,
                                Why::ModuleCount, measured, array.modulesInSeries);
                voc25[r] = voc / factor;
                arrayVoc25[row.array].append(voc25[r]);
            }
        }
        if (count.why != Why::ModuleCount)
            neighbours = count; // set with the array's median below otherwise

        // Isc brought to STC.
        Outcome &stc = row.outcomes[int(Check::IscStc)];
        if (need(Role::Isc, isc, &stc) && need(Role::Irradiance, irradiance, &stc) &&
            need(Role::Temperature, temperature, &stc)) {
            const double factor = temperatureFactor(array.alphaIsc, temperature);
            if (irradiance < design.tolerances.minIrradiance || irradiance <= 0.0) {
                stc = notChecked(Why::LowIrradiance, irradiance, design.tolerances.minIrradiance);
            } else if (factor == 0.0) {
                stc = notChecked(Why::TemperatureOutOfRange, temperature);
            } else {
                const double atStc = isc * 1000.0 / irradiance / factor;
                const double deviation = (atStc - array.iscStc) / array.iscStc * 100.0;
                stc =
                    outcome(std::fabs(deviation) <= design.tolerances.iscStc ? Verdict::Pass
                                                                             : Verdict::Fail,
                            Why::IscStc, atStc, deviation, array.iscStc, design.tolerances.iscStc);
            }
        }

        Outcome &insulation = row.outcomes[int(Check::Insulation)];
        if (need(Role::Insulation, riso, &insulation)) {
            const double minimum = array.effectiveInsulationMin();
            insulation = outcome(riso >= minimum ? Verdict::Pass : Verdict::Fail, Why::Insulation,
                                 riso, minimum);
        }

        Outcome &earth = row.outcomes[int(Check::Continuity)];
        if (!array.continuityMax) {
            earth = notChecked(Why::NoContinuityMax);
        } else if (need(Role::Continuity, continuity, &earth)) {
            earth = outcome(continuity <= *array.continuityMax ? Verdict::Pass : Verdict::Fail,
                            Why::Continuity, continuity, *array.continuityMax);
        }
    }

    // Each array's median of Voc at 25 °C: one sort per array.
    QVector<double> medians(design.arrays.size(), missing);
    for (int a = 0; a < arrayVoc25.size(); ++a) {
        QVector<double> &values = arrayVoc25[a];
        if (values.size() < leastNeighbours)
            continue;
        std::sort(values.begin(), values.end());
        const int middle = values.size() / 2;
        medians[a] = values.size() % 2 ? values.at(middle)
                                       : (values.at(middle - 1) + values.at(middle)) / 2.0;
    }
    const double tolerance = design.tolerances.vocNeighbours;
    for (int r = 0; r < rowCount; ++r) {
        Row &row = m_rows[r];
        if (row.array < 0 || std::isnan(voc25.at(r)))
            continue;
        Outcome &neighbours = row.outcomes[int(Check::VocNeighbours)];
        const double median = medians.at(row.array);
        if (std::isnan(median) || median <= 0.0) {
            neighbours =
                notChecked(Why::TooFewNeighbours, arrayVoc25.at(row.array).size(), leastNeighbours);
            continue;
        }
        const double deviation = (voc25.at(r) - median) / median * 100.0;
        neighbours = outcome(std::fabs(deviation) <= tolerance ? Verdict::Pass : Verdict::Fail,
                             Why::VocNeighbours, deviation, tolerance, median);
    }

    for (const Row &row : qAsConst(m_rows)) {
        if (row.failed()) {
            ++m_failed;
            if (!row.testerFail)
                ++m_failedByDesignOnly;
        }
    }
}

DesignChecks::Verdict DesignChecks::verdict(int row, Check check) const
{
    if (row < 0 || row >= m_rows.size())
        return Verdict::NotChecked;
    return m_rows.at(row).outcomes[int(check)].verdict;
}

double DesignChecks::expectedVoc(const SiteDesign::Array &array, double temperature)
{
    const double factor = temperatureFactor(array.betaVoc, temperature);
    if (std::isnan(temperature) || factor == 0.0)
        return missing;
    return array.modulesInSeries * array.vocStc * factor;
}

double DesignChecks::temperature(const ResultTable &table, int row) const
{
    return valueAt(table, row, m_temperatureColumn, 1.0);
}

QString DesignChecks::notCheckedReason(int row, TextForm::Names names) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    const Row &r = m_rows.at(row);
    switch (r.notChecked) {
    case NotChecked::No:
        break;
    case NotChecked::OtherSite:
        return QCoreApplication::translate("DesignChecks",
                                           "The site \"%1\" is not the design's site \"%2\".")
            .arg(TextForm::name(r.otherSite, names),
                 TextForm::name(m_design.site.trimmed(), names));
    case NotChecked::NoStringName:
        return QCoreApplication::translate("DesignChecks", "The row has no string name.");
    case NotChecked::NoArray:
        return QCoreApplication::translate("DesignChecks",
                                           "No array of the design matches the string \"%1\".")
            .arg(TextForm::name(r.string, names));
    }
    return QString();
}

QString DesignChecks::reason(int row, Check check, TextForm::Names names) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    const Row &r = m_rows.at(row);
    const Outcome &o = r.outcomes[int(check)];
    const auto &f = o.figures;
    switch (o.why) {
    case Why::RowNotChecked:
        return notCheckedReason(row, names);
    case Why::NoColumn: {
        const QString &header = m_missingHeader[int(f[0])];
        if (!header.isEmpty()) {
            return QCoreApplication::translate("DesignChecks", "The data has no column \"%1\".")
                .arg(TextForm::name(header, names));
        }
        return QCoreApplication::translate("DesignChecks", "The data has no column of %1.")
            .arg(roleLabel(Role(int(f[0]))));
    }
    case Why::NoValue:
        return QCoreApplication::translate("DesignChecks", "The row has no value of %1.")
            .arg(roleLabel(Role(int(f[0]))));
    case Why::TemperatureOutOfRange:
        return QCoreApplication::translate("DesignChecks",
                                           "A module temperature of %1 °C is out of range.")
            .arg(number(f[0], 1));
    case Why::ModuleCount:
        return QCoreApplication::translate("DesignChecks", "%1 modules measured, %2 designed")
            .arg(number(f[0], 0), number(f[1], 0));
    case Why::TooFewNeighbours:
        return QCoreApplication::translate(
                   "DesignChecks", "%1 strings of this array to compare, at least %2 needed")
            .arg(number(f[0], 0), number(f[1], 0));
    case Why::VocNeighbours:
        return QCoreApplication::translate(
                   "DesignChecks",
                   "Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)")
            .arg(number(f[0], 1), number(f[2], 1), number(f[1], 1));
    case Why::LowIrradiance:
        return QCoreApplication::translate(
                   "DesignChecks", "Irradiance of %1 W/m² below the %2 W/m² the check needs")
            .arg(number(f[0], 0), number(f[1], 0));
    case Why::IscStc:
        return QCoreApplication::translate(
                   "DesignChecks", "Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)")
            .arg(number(f[0], 2), number(f[1], 1), number(f[2], 2), number(f[3], 1));
    case Why::Insulation:
        return QCoreApplication::translate("DesignChecks", "%1 MΩ, at least %2 MΩ designed")
            .arg(number(f[0], 2), number(f[1], 2));
    case Why::NoContinuityMax:
        return QCoreApplication::translate("DesignChecks",
                                           "The design sets no maximum for continuity.");
    case Why::Continuity:
        return QCoreApplication::translate("DesignChecks", "%1 Ω, at most %2 Ω designed")
            .arg(number(f[0], 2), number(f[1], 2));
    }
    return QString();
}

QStringList DesignChecks::sites(const ResultTable &table, const SiteDesign &design)
{
    QStringList names;
    const int siteColumn = column(table, design, SiteDesign::Role::Site);
    for (int row = 0; siteColumn >= 0 && row < table.rowCount(); ++row) {
        const QString site = table.field(row, siteColumn).trimmed();
        if (!site.isEmpty() && !names.contains(site))
            names.append(site);
    }
    return names;
}

QString DesignChecks::failCountsText(const ResultTable::VerdictCounts &tester) const
{
    const QLocale locale;
    if (tester.other() == 0) {
        return QCoreApplication::translate(
                   "DesignChecks", "%1 FAIL by the tester · %2 more by the design checks",
                   "%1 rows the tester failed, %2 further rows only the design checks failed")
            .arg(locale.toString(tester.fail), locale.toString(m_failedByDesignOnly));
    }
    return QCoreApplication::translate(
               "DesignChecks",
               "%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks",
               "%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows "
               "only the design checks failed")
        .arg(locale.toString(tester.pass), locale.toString(tester.fail),
             locale.toString(tester.other()), locale.toString(m_failedByDesignOnly));
}

QJsonObject DesignChecks::toJson() const
{
    QJsonArray failures;
    for (int r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows.at(r);
        for (int c = 0; c < checkCount; ++c) {
            if (row.outcomes[c].verdict != Verdict::Fail)
                continue;
            failures.append(QJsonObject{{QStringLiteral("row"), r + 1},
                                        {QStringLiteral("string"), row.string},
                                        {QStringLiteral("check"), checkKey(Check(c))},
                                        {QStringLiteral("reason"), reason(r, Check(c))}});
        }
    }
    return QJsonObject{{QStringLiteral("checked"), m_checked},
                       {QStringLiteral("fail"), m_failed},
                       {QStringLiteral("failures"), failures}};
}
