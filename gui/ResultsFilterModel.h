#pragma once

#include <QByteArray>
#include <QIcon>
#include <QSortFilterProxyModel>

class ResultsModel;

// The rows of a ResultsModel as the Results window shows them: sorted by the model's SortRole
// (numbers as numbers), filtered by a text found in any field and by "failed only", and FAIL
// rows marked by a background colour and, in the first column, an icon with a tooltip.
class ResultsFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ResultsFilterModel(ResultsModel *source, QObject *parent = nullptr);

    // Rows with a field that contains the text, ignoring case; all rows when it is empty.
    void setFilterText(const QString &text);
    // Only the rows the tester failed.
    void setFailedOnly(bool failedOnly);
    bool failedOnly() const { return onlyFailed; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const ResultsModel *results;
    // The filter text in lower case, as UTF-8 (the table's text is 7-bit ASCII or UTF-8).
    QByteArray needle;
    bool onlyFailed = false;
    QIcon failIcon;
};
