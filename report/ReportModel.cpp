#include "report/ReportModel.h"

#include "checks/TextForm.h"
#include "common/EnumTable.h"

#include <QLocale>

#include <cmath>

namespace {

using Role = SiteDesign::Role;
using Check = DesignChecks::Check;
using Verdict = DesignChecks::Verdict;

// A date as testers write it: ISO, day.month.year or day/month/year.
QDate parseDate(const QString &field)
{
    const QString text = field.trimmed();
    if (text.isEmpty() || text.size() > 40)
        return QDate();
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    for (const char *format : {"dd.MM.yyyy", "dd/MM/yyyy", "d.M.yyyy", "d/M/yyyy"}) {
        if (date.isValid())
            break;
        date = QDate::fromString(text, QLatin1String(format));
    }
    return date;
}

// A measured field in the locale's format with the decimals it was written with; a bound
// sign ("> 999") is kept, a field that is no number is shown as written (shortened).
QString measured(const ResultTable &table, int row, int column)
{
    if (column < 0 || column >= table.fieldCount(row))
        return QString();
    const QString written = table.field(row, column).trimmed();
    QString field = written;
    if (field.isEmpty())
        return QString();
    QString bound;
    if (field.startsWith(QLatin1Char('>')) || field.startsWith(QLatin1Char('<'))) {
        bound = field.left(1) + QLatin1Char(' ');
        field = field.mid(1).trimmed();
    }
    bool ok = false;
    QString plain = field;
    const bool comma = column < table.decimalComma.size() && table.decimalComma.at(column);
    if (comma)
        plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = plain.size() > 40 ? qQNaN() : plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return TextForm::shortened(written, 12);
    const int point = plain.indexOf(QLatin1Char('.'));
    int decimals = 0;
    if (point >= 0) {
        while (point + 1 + decimals < plain.size() && plain.at(point + 1 + decimals).isDigit())
            ++decimals;
    }
    return bound + TextForm::number(value, qMin(decimals, 6));
}

} // namespace

QString ReportModel::checkName(Check check)
{
    // In the order of Check.
    static const char *const names[DesignChecks::checkCount] = {
        QT_TRANSLATE_NOOP("CommissioningReport", "Module count"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Voc against its neighbours"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Isc at STC"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Insulation"),
        QT_TRANSLATE_NOOP("CommissioningReport", "Continuity")};
    return QCoreApplication::translate("CommissioningReport", enumEntry(names, check));
}

ReportModel::ReportModel(const ResultTable &table, const SiteDesign &design,
                         const DesignChecks &checks)
    : m_design(design), m_tableHasRecords(table.rowCount() > 0), m_arrayRows(design.arrays.size())
{
    const int siteColumn = DesignChecks::column(table, design, Role::Site);
    const int dateColumn = table.columnNamed({QStringLiteral("Date")});
    const QString site = design.site.trimmed();
    for (int r = 0; r < table.rowCount(); ++r) {
        if (!site.isEmpty() && siteColumn >= 0 && siteColumn < table.fieldCount(r)) {
            const QString rowSite = table.field(r, siteColumn).trimmed();
            if (!rowSite.isEmpty() && rowSite.compare(site, Qt::CaseInsensitive) != 0)
                continue;
        }
        m_siteRows.append(r);
        if (dateColumn >= 0 && dateColumn < table.fieldCount(r)) {
            const QDate date = parseDate(table.field(r, dateColumn));
            if (date.isValid()) {
                if (!m_firstDate.isValid() || date < m_firstDate)
                    m_firstDate = date;
                if (!m_lastDate.isValid() || date > m_lastDate)
                    m_lastDate = date;
            }
        }
    }
    m_tester = table.verdictCounts(m_siteRows);
    m_failCounts = checks.failCountsText(m_tester);

    const int vocColumn = DesignChecks::column(table, design, Role::Voc);
    const int iscColumn = DesignChecks::column(table, design, Role::Isc);
    const int gColumn = DesignChecks::column(table, design, Role::Irradiance);
    const int tColumn = DesignChecks::column(table, design, Role::Temperature);
    const int risoColumn = DesignChecks::column(table, design, Role::Insulation);
    const int peColumn = DesignChecks::column(table, design, Role::Continuity);
    const QVector<DesignChecks::Row> &rows = checks.rows();
    const auto isolated = TextForm::Names::Isolated;

    for (int r : qAsConst(m_siteRows)) {
        const DesignChecks::Row *row = r < rows.size() ? &rows.at(r) : nullptr;
        QString string = row ? row->string : QString();
        if (string.isEmpty())
            string = QCoreApplication::translate("CommissioningReport", "line %1")
                         .arg(r < table.rowLines.size() ? table.rowLines.at(r) : r + 1);
        const QString tester = TextForm::shortened(
            table.resultColumn >= 0 ? table.field(r, table.resultColumn).trimmed() : QString(), 12);
        const bool testerFail = table.verdict(r) == ResultTable::Verdict::Fail;

        if (!row || row->array < 0) {
            m_unchecked.append({string, tester, testerFail,
                                row ? checks.notCheckedReason(r, isolated) : QString()});
            continue;
        }
        ++m_checked;
        const auto &outcomes = row->outcomes;
        const auto failed = [&outcomes](Check check) {
            return outcomes[int(check)].verdict == Verdict::Fail;
        };
        if (row->failed()) {
            ++m_designFailed;
            m_designOnly += !testerFail;
        }

        // The failure, with the checks' reasons.
        QStringList reasons;
        for (int c = 0; c < DesignChecks::checkCount; ++c) {
            if (failed(Check(c)))
                reasons << QCoreApplication::translate("CommissioningReport", "%1: %2")
                               .arg(checkName(Check(c)), checks.reason(r, Check(c), isolated));
        }
        if (testerFail || !reasons.isEmpty())
            m_failures.append({r, string, tester, testerFail, reasons});

        StringRow line;
        line.row = r;
        line.string = string;
        line.voc = {measured(table, r, vocColumn),
                    failed(Check::ModuleCount) || failed(Check::VocNeighbours)};
        line.isc = {measured(table, r, iscColumn), false};
        line.irradiance = {measured(table, r, gColumn), false};
        line.temperature = {measured(table, r, tColumn), false};
        line.insulation = {measured(table, r, risoColumn), failed(Check::Insulation)};
        line.continuity = {measured(table, r, peColumn), failed(Check::Continuity)};
        line.expectedVoc =
            DesignChecks::expectedVoc(design.arrays.at(row->array), checks.temperature(table, r));
        const DesignChecks::Outcome &stc = outcomes[int(Check::IscStc)];
        line.iscAtStc =
            stc.why == DesignChecks::Outcome::Why::IscStc ? double(stc.figures[0]) : qQNaN();
        line.iscFail = failed(Check::IscStc);
        line.tester = tester;
        line.testerFail = testerFail;
        bool anyPass = false;
        for (const DesignChecks::Outcome &outcome : outcomes)
            anyPass = anyPass || outcome.verdict == Verdict::Pass;
        line.design = row->failed() ? StringRow::Design::Fail
                      : anyPass     ? StringRow::Design::Pass
                                    : StringRow::Design::NotChecked;
        m_arrayRows[row->array].append(line);
    }
}
