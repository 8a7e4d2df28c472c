#include "results/ResultsParser.h"

#include "results/FieldCountTally.h"

#include <algorithm>
#include <limits>

namespace {

// The delimiter is chosen from the rows in the first part of the data.
const int sampleBytes = 64 * 1024;
const int sampleRows = 200;

// The rows of some data, split at one delimiter: their fields' text in one block and, per row,
// the same entry as ResultTable::fieldBounds, plus where the row starts and ends in the data.
struct Rows
{
    QByteArray text;
    QVector<int> bounds;
    QVector<int> starts; // per row: where its entry in bounds begins
    QVector<int> lines;
    QVector<int> rawStarts;
    QVector<int> rawEnds; // where the row's line end (or the data) begins
    bool lastEnded = true;

    int count() const { return starts.size(); }
    int fieldCount(int row) const { return bounds.at(starts.at(row)); }
    const char *field(int row, int column, int *size) const
    {
        const int at = starts.at(row) + 1 + column;
        *size = bounds.at(at + 1) - bounds.at(at);
        return text.constData() + bounds.at(at);
    }
    bool blank(int row) const
    {
        int size = 0;
        return fieldCount(row) == 1 && (field(row, 0, &size), size == 0);
    }
};

// Splits the data into rows of fields. A quote opens a quoted field only at the start of a
// field; one that is never closed is taken as a plain character, and so are all quotes after
// it, so that one stray quote cannot swallow the rest of the data (and each byte is read at
// most twice). Each byte is read with mask applied: 0x7f clears bit 7 of the tester's bytes.
Rows split(const char *in, int size, char delimiter, char mask)
{
    Rows rows;
    // Each field ends at a delimiter or a line end, and each row at a line end: these bound the
    // entries to come (a row takes two more than its fields).
    qint64 delimiters = 0;
    qint64 lineEnds = 0;
    for (int at = 0; at < size; ++at) {
        const char c = static_cast<char>(in[at] & mask);
        delimiters += c == delimiter;
        lineEnds += c == '\n' || c == '\r';
    }
    rows.text.resize(size);
    const qint64 entries = delimiters + 3 * (lineEnds + 1);
    if (entries < std::numeric_limits<int>::max() / 8)
        rows.bounds.reserve(static_cast<int>(entries));
    // A row per line at most: no vector grows past what it needs (a file of line ends alone).
    for (QVector<int> *perRow : {&rows.starts, &rows.lines, &rows.rawStarts, &rows.rawEnds})
        perRow->reserve(static_cast<int>(std::min<qint64>(lineEnds + 1, size)));
    char *const text = rows.text.data();
    int out = 0;
    int at = 0;
    int line = 1;
    bool quoting = true;
    auto byte = [in, mask](int i) { return static_cast<char>(in[i] & mask); };
    auto special = [delimiter](char c) { return c == delimiter || c == '\n' || c == '\r'; };

    while (at < size) {
        const int rowStart = at;
        const int rowLine = line;
        const int rowOut = out;
        const int entry = rows.bounds.size();
        rows.bounds.append(0);
        rows.bounds.append(out);
        int fields = 0;
        bool ended = false;
        bool restart = false;
        int rawEnd = size;
        for (;;) {
            if (quoting && at < size && byte(at) == '"') {
                int inside = at + 1;
                int insideLine = line;
                int insideOut = out;
                bool closed = false;
                while (inside < size) {
                    const char c = byte(inside);
                    if (c == '"') {
                        if (inside + 1 < size && byte(inside + 1) == '"') {
                            text[insideOut++] = '"';
                            inside += 2;
                            continue;
                        }
                        ++inside;
                        closed = true;
                        break;
                    }
                    if (c == '\n' ||
                        (c == '\r' && !(inside + 1 < size && byte(inside + 1) == '\n')))
                        ++insideLine;
                    text[insideOut++] = c;
                    ++inside;
                }
                if (!closed) {
                    // Read the row once more, every quote from here on a plain character.
                    quoting = false;
                    restart = true;
                    break;
                }
                at = inside;
                line = insideLine;
                out = insideOut;
            }
            // Plain text up to the next delimiter or line end (after a closing quote as well).
            while (at < size) {
                const char c = byte(at);
                if (special(c))
                    break;
                text[out++] = c;
                ++at;
            }
            ++fields;
            rows.bounds.append(out);
            if (at >= size)
                break;
            const char c = byte(at);
            if (c == delimiter) {
                ++at;
                if (at >= size) {
                    // The data ends just after a delimiter: an empty last field.
                    ++fields;
                    rows.bounds.append(out);
                    break;
                }
                continue;
            }
            rawEnd = at;
            at += c == '\r' && at + 1 < size && byte(at + 1) == '\n' ? 2 : 1;
            ++line;
            ended = true;
            break;
        }
        if (restart) {
            at = rowStart;
            line = rowLine;
            out = rowOut;
            rows.bounds.resize(entry);
            continue;
        }
        rows.bounds[entry] = fields;
        rows.starts.append(entry);
        rows.lines.append(rowLine);
        rows.rawStarts.append(rowStart);
        rows.rawEnds.append(ended ? rawEnd : size);
        rows.lastEnded = ended;
    }
    rows.text.resize(out);
    return rows;
}

bool isNumber(const char *data, int size, char delimiter)
{
    return ResultTable::toNumber(data, size, '.') ||
           (delimiter == ';' && ResultTable::toNumber(data, size, ','));
}

bool isEmpty(const char *data, int size)
{
    for (int i = 0; i < size; ++i) {
        if (data[i] != ' ')
            return false;
    }
    return true;
}

// The field count most rows have (on a tie, the one that got there first), leaving out blank rows
// and a last row cut short; 0 without rows.
int commonFieldCount(const Rows &rows)
{
    FieldCountTally tally;
    const int last = rows.count() - 1;
    for (int row = 0; row < rows.count(); ++row) {
        if (!rows.blank(row) && !(row == last && !rows.lastEnded && row > 0))
            tally.add(rows.fieldCount(row));
    }
    return tally.mostCommon();
}

// How many rows have the common field count, and that count.
std::pair<int, int> steadiness(const Rows &rows)
{
    const int common = commonFieldCount(rows);
    int matching = 0;
    for (int row = 0; row < rows.count(); ++row)
        matching += !rows.blank(row) && rows.fieldCount(row) == common;
    return {matching, common};
}

bool mostlyWords(const Rows &rows, int row, char delimiter)
{
    int words = 0;
    const int fields = rows.fieldCount(row);
    for (int column = 0; column < fields; ++column) {
        int size = 0;
        const char *data = rows.field(row, column, &size);
        words += !isEmpty(data, size) && !isNumber(data, size, delimiter);
    }
    return 2 * words > fields;
}

// The first row with the common field count, mostly not numbers, and followed by rows with the
// same field count (or by nothing but blank rows and a last row cut short); -1 when none is.
int headerRow(const Rows &rows, int common, char delimiter)
{
    const int last = rows.count() - 1;
    int lastWhole = -1;  // the last row that is not blank nor cut short
    int lastCommon = -1; // the last of those with the common field count
    for (int row = last; row >= 0 && lastCommon < 0; --row) {
        if (rows.blank(row) || (row == last && !rows.lastEnded))
            continue;
        if (lastWhole < 0)
            lastWhole = row;
        if (rows.fieldCount(row) == common)
            lastCommon = row;
    }
    for (int row = 0; row < rows.count(); ++row) {
        if (rows.blank(row) || rows.fieldCount(row) != common || !mostlyWords(rows, row, delimiter))
            continue;
        if (row < lastCommon || row >= lastWhole)
            return row;
    }
    return -1;
}

QString rawText(const char *in, int start, int end, char mask)
{
    QByteArray line(in + start, end - start);
    for (char &c : line)
        c = static_cast<char>(c & mask);
    return QString::fromUtf8(line);
}

char maskOf(ResultsParser::Bytes bytes)
{
    return bytes == ResultsParser::Bytes::Tester ? char(0x7f) : char(0xff);
}

} // namespace

char ResultsParser::delimiterOf(const QByteArray &received, Bytes bytes)
{
    const char mask = maskOf(bytes);
    int size = std::min(received.size(), sampleBytes);
    // Up to the sample's last line end, when it has one.
    for (int at = size - 1; at >= 0 && size < received.size(); --at) {
        const char c = static_cast<char>(received.at(at) & mask);
        if (c == '\n' || c == '\r') {
            size = at + 1;
            break;
        }
    }
    const char candidates[] = {',', ';', '\t'};
    std::pair<int, int> found[3];
    int best = 0;
    for (int i = 0; i < 3; ++i) {
        Rows rows = split(received.constData(), size, candidates[i], mask);
        if (rows.count() > sampleRows) {
            rows.starts.resize(sampleRows);
            rows.lastEnded = true;
        }
        found[i] = steadiness(rows);
        if (found[i].second >= 2)
            best = std::max(best, found[i].first);
    }
    // Of the delimiters that split nearly as many rows alike as the best, the one that gives
    // the most fields: a European file's decimal commas also split its rows alike.
    char chosen = ',';
    int chosenFields = 1;
    for (int i = 0; i < 3; ++i) {
        if (found[i].second >= 2 && 10 * found[i].first >= 9 * best &&
            found[i].second > chosenFields) {
            chosen = candidates[i];
            chosenFields = found[i].second;
        }
    }
    return chosen;
}

ResultTable ResultsParser::parse(const QByteArray &received, Bytes bytes)
{
    ResultTable table;
    table.delimiter = delimiterOf(received, bytes);
    const char delimiter = table.delimiter;
    const char mask = maskOf(bytes);
    Rows rows = split(received.constData(), received.size(), delimiter, mask);
    table.endsWithLineEnd = rows.lastEnded;

    const int common = commonFieldCount(rows);
    const int header = headerRow(rows, common, delimiter);
    for (int row = 0; row < header; ++row)
        table.notes.append(
            rawText(received.constData(), rows.rawStarts.at(row), rows.rawEnds.at(row), mask));
    rows.rawStarts = QVector<int>();
    rows.rawEnds = QVector<int>();
    if (header >= 0) {
        table.headerLine = rows.lines.at(header);
        for (int column = 0; column < rows.fieldCount(header); ++column) {
            int size = 0;
            const char *data = rows.field(header, column, &size);
            table.columns.append(QString::fromUtf8(data, size));
        }
    }

    int columns = table.columns.size();
    table.rowStarts.reserve(rows.count() - header - 1);
    table.rowLines.reserve(rows.count() - header - 1);
    for (int row = header + 1; row < rows.count(); ++row) {
        if (rows.blank(row))
            continue;
        table.rowStarts.append(rows.starts.at(row));
        table.rowLines.append(rows.lines.at(row));
        columns = std::max(columns, rows.fieldCount(row));
    }
    table.text = std::move(rows.text);
    table.fieldBounds = std::move(rows.bounds);

    // What each column holds: numbers (with a decimal point, or a decimal comma in a semicolon
    // file), or other text.
    QVector<bool> any(columns, false);
    QVector<bool> point(columns, true);
    QVector<bool> comma(columns, delimiter == ';');
    for (int row = 0; row < table.rowCount(); ++row) {
        const int fields = table.fieldCount(row);
        for (int column = 0; column < fields; ++column) {
            int size = 0;
            const char *data = table.fieldData(row, column, &size);
            if (isEmpty(data, size))
                continue;
            any[column] = true;
            if (point.at(column) && !ResultTable::toNumber(data, size, '.'))
                point[column] = false;
            if (comma.at(column) && !ResultTable::toNumber(data, size, ','))
                comma[column] = false;
        }
    }
    table.numeric.resize(columns);
    table.decimalComma.resize(columns);
    for (int column = 0; column < columns; ++column) {
        table.numeric[column] = any.at(column) && (point.at(column) || comma.at(column));
        table.decimalComma[column] = table.numeric.at(column) && !point.at(column);
    }

    table.resultColumn = table.findResultColumn();
    return table;
}
