#include "gui/ResultsFilterModel.h"

#include "results/ResultsModel.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

#include <algorithm>

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the field's bytes contain the lower-case needle, ignoring ASCII case.
bool containsIgnoringCase(const char *data, int size, const QByteArray &needle)
{
    const char *end = data + size;
    return std::search(data, end, needle.constBegin(), needle.constEnd(),
                       [](char a, char b) { return lowerAscii(a) == b; }) != end;
}

} // namespace

ResultsFilterModel::ResultsFilterModel(ResultsModel *source, QObject *parent)
    : QSortFilterProxyModel(parent), results(source),
      failIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical))
{
    setSourceModel(source);
    setSortRole(ResultsModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(false);
}

void ResultsFilterModel::setFilterText(const QString &text)
{
    QByteArray lower;
    for (const char c : text.trimmed().toUtf8())
        lower.append(lowerAscii(c));
    if (lower == needle)
        return;
    needle = lower;
    invalidateFilter();
}

void ResultsFilterModel::setFailedOnly(bool failedOnly)
{
    if (failedOnly == onlyFailed)
        return;
    onlyFailed = failedOnly;
    invalidateFilter();
}

bool ResultsFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const ResultTable &table = results->table();
    if (onlyFailed && !table.failed(sourceRow))
        return false;
    if (needle.isEmpty())
        return true;
    const int fields = table.fieldCount(sourceRow);
    for (int column = 0; column < fields; ++column) {
        int size = 0;
        const char *data = table.fieldData(sourceRow, column, &size);
        if (containsIgnoringCase(data, size, needle))
            return true;
    }
    return false;
}

QVariant ResultsFilterModel::data(const QModelIndex &index, int role) const
{
    if ((role == Qt::BackgroundRole || role == Qt::DecorationRole || role == Qt::ToolTipRole) &&
        index.isValid() && results->table().failed(mapToSource(index).row())) {
        if (role == Qt::BackgroundRole)
            return QBrush(QColor(255, 214, 214));
        if (index.column() == 0)
            return role == Qt::DecorationRole ? QVariant(failIcon)
                                              : QVariant(tr("The tester failed this record."));
    }
    return QSortFilterProxyModel::data(index, role);
}
