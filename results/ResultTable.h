#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <charconv>
#include <limits>
#include <string>

// A download read as a table of results: the header's column names, the records with their
// fields as text, and what the reading learnt of each column. It is read from the data as it
// would be saved without conversion and is never written back into it.
//
// The records' text is kept once, in one block, with the places where each field starts and
// ends: a table of 100,000 records costs little more than the data itself. Read a record with
// rowCount(), fieldCount() and field(); build one by hand with appendRow().
struct ResultTable
{
    // Lines before the header (a title, the tester's model, a blank line), as text.
    QStringList notes;
    // The header's field names; empty when no header was found (then every row is a record).
    QStringList columns;
    // The number of the header's line in the data, counted from 1; 0 without a header.
    int headerLine = 0;
    // For each row, the number of the line it starts on in the data, counted from 1.
    QVector<int> rowLines;
    // The field delimiter found: ',', ';' or '\t'.
    char delimiter = ',';
    // Per column: whether its non-empty fields are numbers, and whether those numbers are written
    // with a decimal comma (the European form: semicolon files only).
    QVector<bool> numeric;
    QVector<bool> decimalComma;
    // The column holding the tester's verdict (PASS/FAIL, OK/NOK), or -1.
    int resultColumn = -1;
    // Whether the data ends with a line end (or is empty). When it does not, the last record
    // may have been cut short.
    bool endsWithLineEnd = true;

    // The records' fields, quotes removed, one after another as UTF-8 (the data itself is 7-bit).
    QByteArray text;
    // For each row: its field count n, where its first field starts in text, then where each of
    // its n fields ends (the next field starts there).
    QVector<int> fieldBounds;
    // For each row, where its entry in fieldBounds begins.
    QVector<int> rowStarts;

    // The records after the header. A row can have more or fewer fields than the header: see
    // the completeness warnings.
    int rowCount() const { return rowStarts.size(); }

    // The number of fields of a row; 0 for a row out of range.
    int fieldCount(int row) const
    {
        return row < 0 || row >= rowStarts.size() ? 0 : fieldBounds.at(rowStarts.at(row));
    }

    // A field's text; empty for a row or column out of range.
    QString field(int row, int column) const
    {
        int size = 0;
        const char *data = fieldData(row, column, &size);
        return data ? QString::fromUtf8(data, size) : QString();
    }

    // A field's bytes in text, without a copy; nullptr for a row or column out of range.
    const char *fieldData(int row, int column, int *size) const
    {
        *size = 0;
        if (column < 0 || column >= fieldCount(row))
            return nullptr;
        const int at = rowStarts.at(row) + 1 + column;
        const int start = fieldBounds.at(at);
        *size = fieldBounds.at(at + 1) - start;
        return text.constData() + start;
    }

    // Adds a record at the end, e.g. for a table made by hand.
    void appendRow(const QStringList &fields, int line = 0)
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

    // The number in a field, by its column's rule; ok is false for an empty field, a field that
    // is no number, or a row or column out of range.
    double number(int row, int column, bool *ok = nullptr) const
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

    // Whether the bytes are a number written with the decimal separator: spaces around, a sign,
    // digits with at most one separator, an exponent. Its value goes to value when not null.
    static bool toNumber(const char *data, int size, char separator, double *value = nullptr)
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

    // Whether a row's verdict is FAIL (or NOK), and whether it is PASS (or OK), any case and
    // spaces around; both false without a result column.
    bool failed(int row) const { return verdict(row) == Verdict::Fail; }
    bool passed(int row) const { return verdict(row) == Verdict::Pass; }

    enum class Verdict { None, Pass, Fail };
    Verdict verdict(int row) const
    {
        int size = 0;
        const char *data = fieldData(row, resultColumn, &size);
        return data ? verdictOf(data, size) : Verdict::None;
    }
    static Verdict verdictOf(const char *data, int size)
    {
        while (size > 0 && *data == ' ') {
            ++data;
            --size;
        }
        while (size > 0 && data[size - 1] == ' ')
            --size;
        const QLatin1String word(data, size);
        if (word.compare(QLatin1String("PASS"), Qt::CaseInsensitive) == 0 ||
            word.compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0)
            return Verdict::Pass;
        if (word.compare(QLatin1String("FAIL"), Qt::CaseInsensitive) == 0 ||
            word.compare(QLatin1String("NOK"), Qt::CaseInsensitive) == 0)
            return Verdict::Fail;
        return Verdict::None;
    }

    // The column whose header equals one of the names, ignoring case and surrounding spaces and
    // a unit in brackets ("Voc (V)" matches "voc"); -1 when none does.
    int columnNamed(const QStringList &names) const
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
};
