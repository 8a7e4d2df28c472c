#include "results/ResultsSummary.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>
#include <QLocale>

ResultsSummary::ResultsSummary(const ResultTable &table, const QVector<ResultWarning> &warnings)
    : recordCount(table.rowCount()), verdicts(table.resultColumn >= 0), columnNames(table.columns),
      warningList(warnings)
{
    if (!verdicts)
        return;
    for (int row = 0; row < recordCount; ++row) {
        switch (table.verdict(row)) {
        case ResultTable::Verdict::Pass:
            ++passCount;
            break;
        case ResultTable::Verdict::Fail:
            ++failCount;
            break;
        case ResultTable::Verdict::None:
            break;
        }
    }
}

QString ResultsSummary::text() const
{
    const QLocale locale;
    if (!verdicts)
        return QCoreApplication::translate("ResultsSummary", "%1 records")
            .arg(locale.toString(recordCount));
    return QCoreApplication::translate("ResultsSummary", "%1 records · %2 PASS · %3 FAIL")
        .arg(locale.toString(recordCount), locale.toString(passCount), locale.toString(failCount));
}

QJsonObject ResultsSummary::toJson() const
{
    QJsonArray warningTexts;
    for (const ResultWarning &warning : warningList)
        warningTexts.append(warning.text);
    return {{QStringLiteral("records"), recordCount},
            {QStringLiteral("pass"), verdicts ? QJsonValue(passCount) : QJsonValue()},
            {QStringLiteral("fail"), verdicts ? QJsonValue(failCount) : QJsonValue()},
            {QStringLiteral("columns"), QJsonArray::fromStringList(columnNames)},
            {QStringLiteral("warnings"), warningTexts},
            {QStringLiteral("complete"), isComplete()}};
}
