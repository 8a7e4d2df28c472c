#pragma once

#include "checks/DesignChecks.h"
#include "checks/SiteDesign.h"
#include "results/ResultTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// What the commissioning report of a site says, worked out once: the site's records, the
// tester's counts by the one verdict rule, the design checks' counts, every failure with its
// reasons and a row per string of each array with the checks' own figures. The writer
// (CommissioningReport) only words and lays it out. Only the rows of the design's site are
// taken (all rows when the design names no site or the data has no site column).
class ReportModel
{
public:
    // How a field of the data is shown: its text, and whether its check failed.
    struct Cell
    {
        QString text; // in the locale's format for a number; empty when there is none
        bool fail = false;
    };

    // A string of an array: the measurements beside what the design expects.
    struct StringRow
    {
        int row = -1;   // in the table
        QString string; // its name, or "line N" without one
        Cell voc, isc, irradiance, temperature, insulation, continuity;
        double expectedVoc = 0; // DesignChecks::expectedVoc(): NaN when not known
        double iscAtStc = 0;    // the Isc check's figure: NaN when it was not made
        bool iscFail = false;
        QString tester; // the tester's field, trimmed
        bool testerFail = false;
        enum class Design { Pass, Fail, NotChecked } design = Design::NotChecked;
    };

    // A row that failed, by the tester or by the checks: the checks' reasons ("Check: reason",
    // the user's names isolated for the report), none when only the tester failed it.
    struct Failure
    {
        int row = -1;
        QString string;
        QString tester;
        bool testerFail = false;
        QStringList reasons;
    };

    // A row of the site that no array takes, with the reason.
    struct Unchecked
    {
        QString string;
        QString tester;
        bool testerFail = false;
        QString reason;
    };

    ReportModel(const ResultTable &table, const SiteDesign &design, const DesignChecks &checks);

    const SiteDesign &design() const { return m_design; }
    const QVector<int> &siteRows() const { return m_siteRows; }
    // The first and last date of the tests from the data's Date column; null without one.
    QDate firstTestDate() const { return m_firstDate; }
    QDate lastTestDate() const { return m_lastDate; }
    // Whether the table holds records at all (then an empty site means another site's).
    bool tableHasRecords() const { return m_tableHasRecords; }

    // The site's records by the tester's verdict.
    const ResultTable::VerdictCounts &testerCounts() const { return m_tester; }
    // Of the site's records: checked against the design, failed by the checks, and failed by
    // the checks only.
    int checked() const { return m_checked; }
    int designFailed() const { return m_designFailed; }
    int designFailedOnly() const { return m_designOnly; }
    // "N FAIL by the tester · M more by the design checks", the checks' own words.
    const QString &failCountsText() const { return m_failCounts; }

    const QVector<Failure> &failures() const { return m_failures; }
    // Per array of the design, in its order: the rows of its strings.
    const QVector<QVector<StringRow>> &arrayRows() const { return m_arrayRows; }
    const QVector<Unchecked> &unchecked() const { return m_unchecked; }

    // A check's name: "Module count", "Voc against its neighbours"...
    static QString checkName(DesignChecks::Check check);

private:
    SiteDesign m_design;
    QVector<int> m_siteRows;
    QDate m_firstDate;
    QDate m_lastDate;
    bool m_tableHasRecords = false;
    ResultTable::VerdictCounts m_tester;
    int m_checked = 0;
    int m_designFailed = 0;
    int m_designOnly = 0;
    QString m_failCounts;
    QVector<Failure> m_failures;
    QVector<QVector<StringRow>> m_arrayRows;
    QVector<Unchecked> m_unchecked;
};
