#include "results/ResultsCheck.h"

#include "results/FieldCountTally.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// Collects the warnings of one kind of row: the first few one by one, then a count of the rest.
class RowWarnings
{
public:
    explicit RowWarnings(QVector<ResultWarning> &warnings) : warnings(warnings) {}
    ~RowWarnings()
    {
        if (unlisted > 0)
            warnings.append(
                {kind, 0,
                 QCoreApplication::translate("ResultsCheck",
                                             "%1 more lines with the same warning are not listed.")
                     .arg(unlisted)});
    }
    void add(ResultWarning::Kind warningKind, int line, const QString &text)
    {
        kind = warningKind;
        if (listed < ResultsCheck::listedRows) {
            ++listed;
            warnings.append({warningKind, line, text});
        } else {
            ++unlisted;
        }
    }

private:
    QVector<ResultWarning> &warnings;
    ResultWarning::Kind kind = ResultWarning::Kind::FieldCount;
    int listed = 0;
    int unlisted = 0;
};

// The field count most of the rows from first to last have (on a tie, the one that got there
// first); 0 for none.
int commonFieldCount(const ResultTable &table, int first, int last)
{
    FieldCountTally tally;
    for (int row = first; row <= last; ++row)
        tally.add(table.fieldCount(row));
    return tally.mostCommon();
}

void checkRecordNumbers(const ResultTable &table, int last, QVector<ResultWarning> &warnings)
{
    const int column =
        table.columnNamed({QStringLiteral("Record"), QStringLiteral("No"), QStringLiteral("No."),
                           QStringLiteral("Nr"), QStringLiteral("Nr."), QStringLiteral("#")});
    if (column < 0)
        return;
    RowWarnings gaps(warnings);
    RowWarnings repeats(warnings);
    bool havePrevious = false;
    long long previous = 0;
    long long step = 0; // +1 counting up, -1 counting down, 0 not known yet
    for (int row = 0; row <= last; ++row) {
        bool ok = false;
        const double value = table.number(row, column, &ok);
        if (!ok || std::floor(value) != value || std::fabs(value) > 1e15)
            continue;
        const long long number = static_cast<long long>(value);
        if (havePrevious) {
            if (step == 0)
                step = number == previous - 1 ? -1 : 1;
            const int line = table.rowLines.value(row);
            if (number == previous + step) {
                // as it should be
            } else if ((step > 0 && number > previous) || (step < 0 && number < previous)) {
                gaps.add(ResultWarning::Kind::RecordNumberGap, line,
                         QCoreApplication::translate(
                             "ResultsCheck",
                             "The record numbers jump from %1 to %2 on line %3: records may be "
                             "missing.")
                             .arg(previous)
                             .arg(number)
                             .arg(line));
            } else {
                repeats.add(ResultWarning::Kind::RecordNumberRepeat, line,
                            QCoreApplication::translate(
                                "ResultsCheck",
                                "The record number %1 on line %2 repeats or goes back (the one "
                                "before is %3).")
                                .arg(number)
                                .arg(line)
                                .arg(previous));
            }
        }
        havePrevious = true;
        previous = number;
    }
}

} // namespace

QVector<ResultWarning> ResultsCheck::check(const ResultTable &table)
{
    QVector<ResultWarning> warnings;
    const int rows = table.rowCount();
    const bool lastCut = !table.endsWithLineEnd;
    if (lastCut)
        warnings.append({ResultWarning::Kind::LastRecordIncomplete,
                         rows > 0 ? table.rowLines.value(rows - 1) : table.headerLine,
                         QCoreApplication::translate(
                             "ResultsCheck",
                             "The last record is incomplete: the tester may have paused longer "
                             "than the read time-out. Download again with a longer time-out.")});
    // The rows that count as whole: not a last row cut short.
    const int last = lastCut && rows > 0 ? rows - 2 : rows - 1;

    int expected = table.columns.size();
    bool startsMidRecord = false;
    if (table.columns.isEmpty() && last >= 1) {
        expected = commonFieldCount(table, 1, last);
        if (table.fieldCount(0) != expected) {
            startsMidRecord = true;
            warnings.append(
                {ResultWarning::Kind::StartsMidRecord, table.rowLines.value(0),
                 QCoreApplication::translate(
                     "ResultsCheck", "This download starts in the middle of a record: the previous "
                                     "one may have been cut short.")});
        }
    }

    if (expected > 0) {
        RowWarnings fieldCounts(warnings);
        for (int row = startsMidRecord ? 1 : 0; row <= last; ++row) {
            const int fields = table.fieldCount(row);
            if (fields == expected)
                continue;
            const int line = table.rowLines.value(row);
            const QString text =
                table.columns.isEmpty()
                    ? QCoreApplication::translate("ResultsCheck",
                                                  "Line %1 has %2 fields where most rows have %3.")
                    : QCoreApplication::translate("ResultsCheck",
                                                  "Line %1 has %2 fields where the header has %3.");
            fieldCounts.add(ResultWarning::Kind::FieldCount, line,
                            text.arg(line).arg(fields).arg(expected));
        }
    }

    checkRecordNumbers(table, last, warnings);
    return warnings;
}
