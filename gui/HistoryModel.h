#pragma once

#include "archive/ArchiveTeamState.h"
#include "archive/DownloadSummary.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QVector>

class Archive;

// The archived downloads as a table, newest first: when, port, bytes, lines, how each ended,
// where it was last saved, what the results reader found, and whether the team archive has it.
// Reads no download's bytes.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        When,
        Port,
        Bytes,
        Lines,
        Ending,
        SavedAs,
        Records,
        Pass,
        Fail,
        TeamArchive,
        ColumnCount
    };

    explicit HistoryModel(QObject *parent = nullptr);

    // Reads the list again from archive (nothing when it is nullptr).
    void reload(Archive *archive);
    const DownloadSummary &download(int row) const { return downloads.at(row); }
    // Shows download as its row anew (the same id).
    void update(int row, const DownloadSummary &download);
    // The row of download id, -1 when it is not listed.
    int rowOf(qint64 id) const;
    // Whether a download was ever sent to (or refused by) a team archive.
    bool anySentOrRefused() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVector<DownloadSummary> downloads;
    QHash<qint64, ArchiveTeamState::Entry> teamStates;
};
