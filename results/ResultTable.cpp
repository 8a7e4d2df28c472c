#include "results/ResultTable.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

int ResultTable::fieldCount(int row) const
{
    return row < 0 || row >= rowStarts.size() ? 0 : fieldBounds.at(rowStarts.at(row));
}

QString ResultTable::field(int row, int column) const
{
    int size = 0;
    const char *data = fieldData(row, column, &size);
    return data ? QString::fromUtf8(data, size) : QString();
}

const char *ResultTable::fieldData(int row, int column, int *size) const
{
    *size = 0;
    if (column < 0 || column >= fieldCount(row))
        return nullptr;
    const int at = rowStarts.at(row) + 1 + column;
    const int start = fieldBounds.at(at);
    *size = fieldBounds.at(at + 1) - start;
    return text.constData() + start;
}

void ResultTable::appendRow(const QStringList &fields, int line)
{
    rowStarts.append(fieldBounds.size());
    fieldBounds.append(fields.size());
    fieldBounds.append(text.size());
    for (const QString &value : fields) {
        text.append(value.toUtf8());
        fieldBounds.append(text.size());
    }
    rowLines.append(line);
}

double ResultTable::number(int row, int column, bool *ok) const
{
    int size = 0;
    const char *data = fieldData(row, column, &size);
    const bool comma = column >= 0 && column < decimalComma.size() && decimalComma.at(column);
    double value = 0.0;
    const bool converted = data && toNumber(data, size, comma ? ',' : '.', &value);
    if (ok)
        *ok = converted;
    return converted ? value : 0.0;
}

bool ResultTable::toNumber(const char *data, int size, char separator, double *value)
{
    int begin = 0;
    int end = size;
    while (begin < end && data[begin] == ' ')
        ++begin;
    while (end > begin && data[end - 1] == ' ')
        --end;
    int at = begin;
    if (at < end && (data[at] == '+' || data[at] == '-'))
        ++at;
    const int mantissa = at;
    int digits = 0;
    int separatorAt = -1;
    for (; at < end; ++at) {
        const char c = data[at];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == separator && separatorAt < 0)
            separatorAt = at;
        else
            break;
    }
    if (digits == 0)
        return false;
    bool tiny = false;
    if (at < end && (data[at] == 'e' || data[at] == 'E')) {
        ++at;
        tiny = at < end && data[at] == '-';
        if (at < end && (data[at] == '+' || data[at] == '-'))
            ++at;
        const int exponent = at;
        while (at < end && data[at] >= '0' && data[at] <= '9')
            ++at;
        if (at == exponent)
            return false;
    }
    if (at != end)
        return false;
    if (!value)
        return true;
    // from_chars takes no '+' and only a decimal point, whatever the C locale says.
    std::string plain(data + mantissa, static_cast<size_t>(end - mantissa));
    if (separatorAt >= 0)
        plain[static_cast<size_t>(separatorAt - mantissa)] = '.';
    double parsed = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (result.ec == std::errc::result_out_of_range)
        parsed = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    *value = data[begin] == '-' ? -parsed : parsed;
    return true;
}

ResultTable::Verdict ResultTable::verdict(int row) const
{
    int size = 0;
    const char *data = fieldData(row, resultColumn, &size);
    return data ? verdictOf(data, size) : Verdict::None;
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool sameWord(const char *data, int size, const char *word)
{
    return QLatin1String(data, size).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

} // namespace

ResultTable::Verdict ResultTable::verdictOf(const char *data, int size)
{
    while (size > 0 && isBlank(*data)) {
        ++data;
        --size;
    }
    while (size > 0 && isBlank(data[size - 1]))
        --size;
    // The longest word is 6 letters: anything longer is no verdict, whatever its size.
    if (size == 0 || size > 16)
        return Verdict::None;
    for (const char *word : {"PASS", "PASSED", "OK"}) {
        if (sameWord(data, size, word))
            return Verdict::Pass;
    }
    for (const char *word : {"FAIL", "FAILED", "NOK"}) {
        if (sameWord(data, size, word))
            return Verdict::Fail;
    }
    // NOT OK, with spaces or tabs between.
    if (size >= 5 && sameWord(data, 3, "NOT") && isBlank(data[3]) &&
        sameWord(data + size - 2, 2, "OK")) {
        for (int at = 3; at < size - 2; ++at) {
            if (!isBlank(data[at]))
                return Verdict::None;
        }
        return Verdict::Fail;
    }
    return Verdict::None;
}

ResultTable::Verdict ResultTable::verdictOf(const QString &field)
{
    const QByteArray latin1 = field.toLatin1();
    return verdictOf(latin1.constData(), latin1.size());
}

int ResultTable::findResultColumn() const
{
    const int named =
        columnNamed({QStringLiteral("Result"), QStringLiteral("Status"), QStringLiteral("Verdict"),
                     QStringLiteral("Pass/Fail"), QStringLiteral("Pass"), QStringLiteral("Fail")});
    if (named >= 0)
        return named;
    int widest = columns.size();
    for (int row = 0; row < rowCount(); ++row)
        widest = std::max(widest, fieldCount(row));
    for (int column = 0; column < widest; ++column) {
        bool any = false;
        bool all = true;
        for (int row = 0; row < rowCount() && all; ++row) {
            int size = 0;
            const char *data = fieldData(row, column, &size);
            int blank = 0;
            while (blank < size && isBlank(data[blank]))
                ++blank;
            if (!data || blank == size)
                continue;
            any = true;
            all = verdictOf(data, size) != Verdict::None;
        }
        if (any && all)
            return column;
    }
    return -1;
}

ResultTable::VerdictCounts ResultTable::verdictCounts() const
{
    VerdictCounts counts;
    counts.records = rowCount();
    for (int row = 0; row < counts.records; ++row) {
        const Verdict verdict = this->verdict(row);
        counts.pass += verdict == Verdict::Pass;
        counts.fail += verdict == Verdict::Fail;
    }
    return counts;
}

ResultTable::VerdictCounts ResultTable::verdictCounts(const QVector<int> &rows) const
{
    VerdictCounts counts;
    counts.records = rows.size();
    for (int row : rows) {
        const Verdict verdict = this->verdict(row);
        counts.pass += verdict == Verdict::Pass;
        counts.fail += verdict == Verdict::Fail;
    }
    return counts;
}

int ResultTable::columnNamed(const QStringList &names) const
{
    for (int column = 0; column < columns.size(); ++column) {
        QString header = columns.at(column).trimmed();
        const int bracket = header.indexOf(QLatin1Char('('));
        if (bracket > 0)
            header = header.left(bracket).trimmed();
        for (const QString &name : names) {
            if (header.compare(name, Qt::CaseInsensitive) == 0)
                return column;
        }
    }
    return -1;
}
