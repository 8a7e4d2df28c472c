#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

// A list as plain text for the command line: the headings' line, then one line per row. Each
// column is as wide as its widest entry, two spaces apart; the numbers are right-aligned, the
// last column is left as it is, and a line ends with its last entry, never with spaces.
class TextTable
{
public:
    // The columns numbered in rightAligned hold numbers.
    TextTable(const QStringList &headings, const QSet<int> &rightAligned);

    void addRow(const QStringList &cells);
    QString text() const;

private:
    QVector<QStringList> rows;
    QSet<int> right;
};
