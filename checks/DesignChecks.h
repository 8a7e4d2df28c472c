#pragma once

#include "checks/SiteDesign.h"
#include "checks/TextForm.h"
#include "results/ResultTable.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

// The results of a download checked string by string against the design of the site:
//  1. module count: round(Voc / (Voc_STC × (1 + β × (T − 25)))) equals modules in series;
//  2. Voc against its neighbours: Voc brought to 25 °C with β is within the tolerance of the
//     median of the same array's strings brought to 25 °C (at least three strings);
//  3. Isc at STC: Isc × 1000 / G / (1 + α × (T − 25)) within the tolerance of Isc_STC, not
//     checked below the minimum irradiance;
//  4. insulation: Riso at least the array's minimum (a field "> 999" counts as 999);
//  5. continuity: at most the array's maximum, when the design sets one ("< 0.01" as 0.01).
// Each is PASS, FAIL or not checked, with its reason in words.
class DesignChecks
{
public:
    enum class Check { ModuleCount, VocNeighbours, IscStc, Insulation, Continuity };
    static constexpr int checkCount = 5;
    enum class Verdict { NotChecked, Pass, Fail };

    // One check of one row: the verdict and the figures its reason words.
    struct Outcome
    {
        enum class Why : quint8 {
            RowNotChecked,         // the row's own reason (see Row::notChecked)
            NoColumn,              // figures[0]: the role
            NoValue,               // figures[0]: the role
            TemperatureOutOfRange, // figures[0]: T
            ModuleCount,           // measured, designed
            TooFewNeighbours,      // strings with a Voc, the least needed
            VocNeighbours,         // deviation %, tolerance %, median V at 25 °C
            LowIrradiance,         // G, minimum
            IscStc,                // Isc at STC, deviation %, Isc_STC, tolerance %
            Insulation,            // Riso, minimum
            NoContinuityMax,
            Continuity // measured, maximum
        };
        Verdict verdict = Verdict::NotChecked;
        Why why = Why::RowNotChecked;
        std::array<float, 4> figures{}; // only to word the reason
    };

    // Why a whole row is not checked.
    enum class NotChecked : quint8 { No, OtherSite, NoStringName, NoArray };

    struct Row
    {
        int array = -1;    // index into the design's arrays, -1 when the row is not checked
        QString string;    // the string column's field
        QString otherSite; // the row's own site when it is another site's, else empty
        NotChecked notChecked = NotChecked::No;
        bool testerFail = false; // the tester's verdict is Fail (ResultTable::verdictOf())
        std::array<Outcome, checkCount> outcomes;
        bool failed() const;
    };

    // Checks every row of the table against the design.
    DesignChecks(const ResultTable &table, const SiteDesign &design);

    // The column of a role: the design's mapping when it names one (then only that header),
    // else the usual headers, any case, a unit in brackets ignored; -1 when none.
    static int column(const ResultTable &table, const SiteDesign &design, SiteDesign::Role role);
    // The names in the table's site column, trimmed, each once in the order they first appear;
    // empty when the table has no site column.
    static QStringList sites(const ResultTable &table, const SiteDesign &design = SiteDesign());
    // "module_count", "voc_neighbours", "isc_stc", "insulation", "continuity".
    static QString checkKey(Check check);

    const QVector<Row> &rows() const { return m_rows; }
    Verdict verdict(int row, Check check) const;
    // The reason of one check of one row, translated, its numbers in QLocale()'s format, the
    // user's names in the form given. Worded when asked: a row keeps no copy of the design.
    QString reason(int row, Check check, TextForm::Names names = TextForm::Names::Plain) const;
    // Why the whole row is not checked, worded the same way; empty for a row that is checked.
    QString notCheckedReason(int row, TextForm::Names names = TextForm::Names::Plain) const;

    // The Voc a string of the array should show at the module temperature: modules in series ×
    // Voc_STC × (1 + β × (T − 25)); NaN when the temperature makes no sense with β (the guard
    // the module count check applies) or is not known.
    static double expectedVoc(const SiteDesign::Array &array, double temperature);
    // The module temperature of a row as the checks read it; NaN when there is none.
    double temperature(const ResultTable &table, int row) const;

    int checkedRows() const { return m_checked; }
    // Rows with at least one FAIL, and of those the rows the tester passed.
    int failedRows() const { return m_failed; }
    int failedByDesignOnly() const { return m_failedByDesignOnly; }
    // "12 FAIL by the tester · 7 more by the design checks": the rows the tester failed, and
    // the rows only these checks failed; with the PASS and the other records too when some
    // records have no verdict word: "229 PASS · 11 FAIL · 10 other by the tester · 7 more by
    // the design checks". The tester's counts are the caller's (ResultTable::verdictCounts()).
    QString failCountsText(const ResultTable::VerdictCounts &tester) const;

    // {"checked": N, "fail": F, "failures": [{"row": R, "string": S, "check": K, "reason": T}]}
    // with one failure per failing check, rows counted from 1 after the header.
    QJsonObject toJson() const;

private:
    SiteDesign m_design;
    QVector<Row> m_rows;
    std::array<QString, SiteDesign::roleCount> m_missingHeader; // per role: mapped header
    int m_temperatureColumn = -1;
    int m_checked = 0;
    int m_failed = 0;
    int m_failedByDesignOnly = 0;
};
