#include "app/TextTable.h"

TextTable::TextTable(const QStringList &headings, const QSet<int> &rightAligned)
    : rows{headings}, right(rightAligned)
{
}

void TextTable::addRow(const QStringList &cells)
{
    rows.append(cells);
}

QString TextTable::text() const
{
    const int columns = rows.constFirst().size();
    QVector<int> widths(columns, 0);
    for (const QStringList &row : rows) {
        for (int column = 0; column < row.size() && column < columns; ++column)
            widths[column] = qMax(widths[column], row.at(column).size());
    }
    QString text;
    for (const QStringList &row : rows) {
        // Empty entries at the end leave no spaces behind.
        int used = qMin(row.size(), columns);
        while (used > 0 && row.at(used - 1).isEmpty())
            --used;
        QStringList cells;
        for (int column = 0; column < used; ++column) {
            const QString &cell = row.at(column);
            if (right.contains(column))
                cells.append(cell.rightJustified(widths[column]));
            else
                cells.append(column == used - 1 ? cell : cell.leftJustified(widths[column]));
        }
        text += cells.join(QLatin1String("  ")) + QLatin1Char('\n');
    }
    return text;
}
