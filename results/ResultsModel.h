#pragma once

#include "results/ResultTable.h"

#include <QAbstractTableModel>

// A table of results for views: one row per record, one column per header field. Cells are
// made when a view asks for them, so 100,000 records open at once. Rows are headed by the line
// they start on in the data, as the warnings name them. Sort a proxy by SortRole
// for numeric columns to sort as numbers; FailedRole tells which rows the tester failed.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        // The number of a numeric column's field as a double (nothing for an empty field), the
        // text of the others.
        SortRole = Qt::UserRole,
        // Whether the row's verdict is FAIL (or NOK), for every column of the row.
        FailedRole,
    };

    explicit ResultsModel(ResultTable table, QObject *parent = nullptr);

    const ResultTable &table() const { return results; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ResultTable results;
    int columns = 0;
};
