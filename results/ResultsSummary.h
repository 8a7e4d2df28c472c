#pragma once

#include "results/ResultTable.h"
#include "results/ResultWarning.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// How a download tested in a few figures: the records, and of them PASS, FAIL and other (no
// verdict word) when the table has a result column, with the warnings of the completeness check.
class ResultsSummary
{
public:
    ResultsSummary() = default;
    ResultsSummary(const ResultTable &table, const QVector<ResultWarning> &warnings);

    int records() const { return counts.records; }
    // Whether there is a result column: without one there are no PASS and FAIL counts.
    bool hasVerdicts() const { return verdicts; }
    int passed() const { return counts.pass; }
    int failed() const { return counts.fail; }
    int other() const { return counts.other(); }
    const ResultTable::VerdictCounts &verdictCounts() const { return counts; }
    const QStringList &columns() const { return columnNames; }
    const QVector<ResultWarning> &warnings() const { return warningList; }
    // Nothing suggests that anything is missing.
    bool isComplete() const { return warningList.isEmpty(); }

    // "250 records · 229 PASS · 11 FAIL · 10 other" ("· 10 other" only when there are any), or
    // "250 records" without a result column, translated and with the counts in the format of
    // the default locale.
    QString text() const;
    // The same words for counts of some of the records (a site's).
    static QString text(const ResultTable::VerdictCounts &counts, bool hasVerdicts = true);
    // {"records": N, "pass": P, "fail": F, "other": O (each null without a result column),
    // "columns": [...], "warnings": [texts...], "complete": true or false}
    QJsonObject toJson() const;

private:
    ResultTable::VerdictCounts counts;
    bool verdicts = false;
    QStringList columnNames;
    QVector<ResultWarning> warningList;
};
