#include "results/ResultsSummary.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>
#include <QLocale>

ResultsSummary::ResultsSummary(const ResultTable &table, const QVector<ResultWarning> &warnings)
    : counts(table.verdictCounts()), verdicts(table.resultColumn >= 0), columnNames(table.columns),
      warningList(warnings)
{
}

QString ResultsSummary::text() const
{
    return text(counts, verdicts);
}

QString ResultsSummary::text(const ResultTable::VerdictCounts &counts, bool hasVerdicts)
{
    const QLocale locale;
    if (!hasVerdicts)
        return QCoreApplication::translate("ResultsSummary", "%1 records")
            .arg(locale.toString(counts.records));
    const QString text =
        QCoreApplication::translate("ResultsSummary", "%1 records · %2 PASS · %3 FAIL")
            .arg(locale.toString(counts.records), locale.toString(counts.pass),
                 locale.toString(counts.fail));
    if (counts.other() == 0)
        return text;
    return QCoreApplication::translate(
               "ResultsSummary", "%1 · %2 other",
               "%1 the records, PASS and FAIL; %2 the records whose result is neither")
        .arg(text, locale.toString(counts.other()));
}

QJsonObject ResultsSummary::toJson() const
{
    QJsonArray warningTexts;
    for (const ResultWarning &warning : warningList)
        warningTexts.append(warning.text);
    return {{QStringLiteral("records"), counts.records},
            {QStringLiteral("pass"), verdicts ? QJsonValue(counts.pass) : QJsonValue()},
            {QStringLiteral("fail"), verdicts ? QJsonValue(counts.fail) : QJsonValue()},
            {QStringLiteral("other"), verdicts ? QJsonValue(counts.other()) : QJsonValue()},
            {QStringLiteral("columns"), QJsonArray::fromStringList(columnNames)},
            {QStringLiteral("warnings"), warningTexts},
            {QStringLiteral("complete"), isComplete()}};
}
