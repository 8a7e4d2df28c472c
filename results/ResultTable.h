#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A download read as a table of results: the header's column names, the records with their
// fields as text, and what the reading learnt of each column. It is read from the data as it
// would be saved without conversion and is never written back into it.
struct ResultTable
{
    // Lines before the header (a title, the tester's model, a blank line), as text.
    QStringList notes;
    // The header's field names; empty when no header was found (then every row is a record).
    QStringList columns;
    // The records after the header, each with its fields as text (quotes removed). A row can have
    // more or fewer fields than the header: see the completeness warnings.
    QVector<QStringList> rows;
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

    // The number in a field, by its column's rule; ok is false for an empty field, a field that
    // is no number, or a row or column out of range.
    double number(int row, int column, bool *ok = nullptr) const
    {
        if (ok)
            *ok = false;
        if (row < 0 || row >= rows.size() || column < 0 || column >= rows.at(row).size())
            return 0.0;
        QString text = rows.at(row).at(column).trimmed();
        if (column < decimalComma.size() && decimalComma.at(column))
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool converted = false;
        const double value = text.toDouble(&converted);
        if (ok)
            *ok = converted;
        return converted ? value : 0.0;
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
