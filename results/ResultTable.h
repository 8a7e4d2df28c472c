#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

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
    // The column holding the tester's verdict (see findResultColumn()), or -1.
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
    int fieldCount(int row) const;

    // A field's text; empty for a row or column out of range.
    QString field(int row, int column) const;

    // A field's bytes in text, without a copy; nullptr for a row or column out of range.
    const char *fieldData(int row, int column, int *size) const;

    // Adds a record at the end, e.g. for a table made by hand.
    void appendRow(const QStringList &fields, int line = 0);

    // The number in a field, by its column's rule; ok is false for an empty field, a field that
    // is no number, or a row or column out of range.
    double number(int row, int column, bool *ok = nullptr) const;

    // Whether the bytes are a number written with the decimal separator: spaces around, a sign,
    // digits with at most one separator, an exponent. Its value goes to value when not null.
    static bool toNumber(const char *data, int size, char separator, double *value = nullptr);

    // The tester's verdict of a row by verdictOf(); None without a result column or for a
    // field that is no verdict word.
    bool failed(int row) const { return verdict(row) == Verdict::Fail; }
    bool passed(int row) const { return verdict(row) == Verdict::Pass; }

    enum class Verdict { None, Pass, Fail };
    Verdict verdict(int row) const;
    // The one rule for the tester's words, any case, spaces and tabs around ignored: PASS,
    // PASSED, OK are Pass; FAIL, FAILED, NOK, NOT OK are Fail; anything else is None.
    static Verdict verdictOf(const char *data, int size);
    static Verdict verdictOf(const QString &field);

    // The one rule for the column of the tester's verdict: the first column headed Result,
    // Status, Verdict, Pass/Fail, Pass or Fail; else the first column whose fields, where not
    // empty, are all verdict words (and not all empty); -1 when there is none.
    int findResultColumn() const;

    // The records by the tester's verdict, of all rows or of the rows listed; other counts the
    // records with no verdict word (all of them without a result column), so that the three
    // add up to records.
    struct VerdictCounts
    {
        int records = 0;
        int pass = 0;
        int fail = 0;
        int other() const { return records - pass - fail; }
    };
    VerdictCounts verdictCounts() const;
    VerdictCounts verdictCounts(const QVector<int> &rows) const;

    // The column whose header equals one of the names, ignoring case and surrounding spaces and
    // a unit in brackets ("Voc (V)" matches "voc"); -1 when none does.
    int columnNamed(const QStringList &names) const;
};
