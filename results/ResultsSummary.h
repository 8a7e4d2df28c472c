#pragma once

#include "results/ResultTable.h"
#include "results/ResultWarning.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// How a download tested in a few figures: the records, and of them PASS and FAIL when the
// table has a result column, with the warnings of the completeness check.
class ResultsSummary
{
public:
    ResultsSummary() = default;
    ResultsSummary(const ResultTable &table, const QVector<ResultWarning> &warnings);

    int records() const { return recordCount; }
    // Whether there is a result column: without one there are no PASS and FAIL counts.
    bool hasVerdicts() const { return verdicts; }
    int passed() const { return passCount; }
    int failed() const { return failCount; }
    const QStringList &columns() const { return columnNames; }
    const QVector<ResultWarning> &warnings() const { return warningList; }
    // Nothing suggests that anything is missing.
    bool isComplete() const { return warningList.isEmpty(); }

    // "250 records · 238 PASS · 12 FAIL", or "250 records" without a result column, translated
    // and with the counts in the format of the default locale.
    QString text() const;
    // {"records": N, "pass": P or null, "fail": F or null, "columns": [...], "warnings":
    // [texts...], "complete": true or false}
    QJsonObject toJson() const;

private:
    int recordCount = 0;
    bool verdicts = false;
    int passCount = 0;
    int failCount = 0;
    QStringList columnNames;
    QVector<ResultWarning> warningList;
};
