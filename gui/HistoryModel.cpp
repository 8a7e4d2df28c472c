#include "gui/HistoryModel.h"

#include "archive/Archive.h"
#include "archive/DownloadEndingText.h"
#include "common/EnumTable.h"

#include <QDir>
#include <QLocale>

HistoryModel::HistoryModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void HistoryModel::reload(Archive *archive)
{
    beginResetModel();
    downloads =
        archive ? archive->list().value_or(QVector<DownloadSummary>()) : QVector<DownloadSummary>();
    teamStates =
        archive ? ArchiveTeamState(*archive).states() : QHash<qint64, ArchiveTeamState::Entry>();
    endResetModel();
}

void HistoryModel::update(int row, const DownloadSummary &download)
{
    if (row < 0 || row >= downloads.size())
        return;
    downloads[row] = download;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int HistoryModel::rowOf(qint64 id) const
{
    for (int row = 0; row < downloads.size(); ++row) {
        if (downloads.at(row).id == id)
            return row;
    }
    return -1;
}

bool HistoryModel::anySentOrRefused() const
{
    for (const ArchiveTeamState::Entry &entry : teamStates) {
        if (entry.state != ArchiveTeamState::State::Waiting)
            return true;
    }
    return false;
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : downloads.size();
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= downloads.size())
        return QVariant();
    const DownloadSummary &download = downloads.at(index.row());
    const bool number = index.column() == Bytes || index.column() == Lines ||
                        (index.column() >= Records && index.column() <= Fail);
    if (role == Qt::TextAlignmentRole)
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Port)
        return QDir::toNativeSeparators(download.devicePath);
    if (role == Qt::ToolTipRole && index.column() == SavedAs && download.saveCount > 1)
        return tr("Saved %1 times", "%1 is a number of saves, always more than one")
            .arg(QLocale().toString(download.saveCount));
    const ArchiveTeamState::Entry team = teamStates.value(download.id);
    if (role == Qt::ToolTipRole && index.column() == TeamArchive &&
        team.state == ArchiveTeamState::State::Refused)
        return team.reason;
    if (role != Qt::DisplayRole)
        return QVariant();

    const QLocale locale;
    const auto count = [&](const std::optional<int> &value) {
        return value ? locale.toString(*value) : QString();
    };
    switch (index.column()) {
    case When:
        return locale.toString(download.started.toLocalTime(), QLocale::ShortFormat);
    case Port:
        return download.portName.isEmpty() ? QDir::toNativeSeparators(download.devicePath)
                                           : download.portName;
    case Bytes:
        return locale.toString(download.byteCount);
    case Lines:
        return locale.toString(download.lineCount);
    case Ending:
        return DownloadEndingText::text(download.ending);
    case SavedAs:
        return download.lastSavedPath.isEmpty() ? tr("not saved")
                                                : QDir::toNativeSeparators(download.lastSavedPath);
    case Records:
        return count(download.recordCount);
    case Pass:
        return count(download.passCount);
    case Fail:
        return count(download.failCount);
    case TeamArchive:
        switch (team.state) {
        case ArchiveTeamState::State::Sent:
            return tr("Sent", "in the team archive");
        case ArchiveTeamState::State::Refused:
            return tr("Refused: %1", "%1 is the reason").arg(team.reason);
        case ArchiveTeamState::State::Waiting:
            break;
        }
        return tr("Waiting", "to be sent to the team archive");
    default:
        return QVariant();
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= ColumnCount)
        return QVariant();
    // In the order of Column.
    static const TranslatableText headings[ColumnCount] = {
        QT_TRANSLATE_NOOP3("HistoryModel", "Date and time", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Port", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Bytes", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Lines", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Ended", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Saved as", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "Records", ""),
        QT_TRANSLATE_NOOP3("HistoryModel", "PASS", "the number of tests passed"),
        QT_TRANSLATE_NOOP3("HistoryModel", "FAIL", "the number of tests failed"),
        QT_TRANSLATE_NOOP3("HistoryModel", "Team archive", "")};
    return tr(headings[section].source, headings[section].comment);
}
