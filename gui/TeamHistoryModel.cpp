#include "gui/TeamHistoryModel.h"

#include "common/EnumTable.h"

#include <QCoreApplication>
#include <QLocale>

TeamHistoryModel::TeamHistoryModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void TeamHistoryModel::setDownloads(const QVector<TeamDownload> &list)
{
    beginResetModel();
    downloads = list;
    endResetModel();
}

int TeamHistoryModel::rowOf(qint64 id) const
{
    for (int row = 0; row < downloads.size(); ++row) {
        if (downloads.at(row).id == id)
            return row;
    }
    return -1;
}

int TeamHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : downloads.size();
}

int TeamHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TeamHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= downloads.size())
        return QVariant();
    const TeamDownload &download = downloads.at(index.row());
    if (role == Qt::TextAlignmentRole)
        return int((index.column() >= Records ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == When)
        return tr("Arrived %1", "%1 is the date and time the team archive received it")
            .arg(QLocale().toString(download.arrived.toLocalTime(), QLocale::ShortFormat));
    if (role == Qt::ToolTipRole && index.column() == Sites)
        return download.sites.join(QLatin1Char('\n'));
    if (role != Qt::DisplayRole)
        return QVariant();

    const QLocale locale;
    const auto count = [&](const std::optional<int> &value) {
        return value ? locale.toString(*value) : QString();
    };
    switch (index.column()) {
    case When:
        return locale.toString(download.started.toLocalTime(), QLocale::ShortFormat);
    case Engineer:
        return download.engineer;
    case Computer:
        return download.computer;
    case Sites:
        return download.sites.join(QStringLiteral(", "));
    case Records:
        return count(download.recordCount);
    case Pass:
        return count(download.passCount);
    case Fail:
        return count(download.failCount);
    default:
        return QVariant();
    }
}

QVariant TeamHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= ColumnCount)
        return QVariant();
    // In the order of Column; the headings the local list has too are its own.
    struct Heading
    {
        const char *context;
        TranslatableText text;
    };
    static const Heading headings[ColumnCount] = {
        {"HistoryModel", QT_TRANSLATE_NOOP3("HistoryModel", "Date and time", "")},
        {"TeamHistoryModel", QT_TRANSLATE_NOOP3("TeamHistoryModel", "Engineer", "")},
        {"TeamHistoryModel", QT_TRANSLATE_NOOP3("TeamHistoryModel", "Computer", "")},
        {"TeamHistoryModel", QT_TRANSLATE_NOOP3("TeamHistoryModel", "Site(s)", "")},
        {"HistoryModel", QT_TRANSLATE_NOOP3("HistoryModel", "Records", "")},
        {"HistoryModel", QT_TRANSLATE_NOOP3("HistoryModel", "PASS", "the number of tests passed")},
        {"HistoryModel", QT_TRANSLATE_NOOP3("HistoryModel", "FAIL", "the number of tests failed")}};
    const Heading &heading = headings[section];
    return QCoreApplication::translate(heading.context, heading.text.source, heading.text.comment);
}
