#include "results/ResultsModel.h"

#include <algorithm>

ResultsModel::ResultsModel(ResultTable table, QObject *parent)
    : QAbstractTableModel(parent), results(std::move(table)), columns(results.columns.size())
{
    for (int row = 0; row < results.rowCount(); ++row)
        columns = std::max(columns, results.fieldCount(row));
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : results.rowCount();
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns;
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= results.rowCount() || index.column() >= columns)
        return QVariant();
    const bool present = index.column() < results.fieldCount(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (!present)
            return QVariant();
        return results.field(index.row(), index.column());
    case SortRole:
        if (!present)
            return QVariant();
        if (results.numeric.value(index.column())) {
            bool ok = false;
            const double value = results.number(index.row(), index.column(), &ok);
            return ok ? QVariant(value) : QVariant();
        }
        return results.field(index.row(), index.column());
    case FailedRole:
        return results.failed(index.row());
    default:
        return QVariant();
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    // Rows by the line they start on in the data, as the warnings name them.
    if (orientation == Qt::Vertical) {
        const int line = results.rowLines.value(section);
        return line > 0 ? line : section + 1;
    }
    // A column beyond the header (a row with more fields) or a table without one: its number.
    return section < results.columns.size() ? results.columns.at(section)
                                            : QVariant(QString::number(section + 1));
}
