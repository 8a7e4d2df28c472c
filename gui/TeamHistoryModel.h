#pragma once

#include "teamarchive/TeamDownload.h"

#include <QAbstractTableModel>
#include <QVector>

// The team archive's downloads of every engineer as the History's Team view shows them, newest
// first: when, who, from which computer, the site(s), and the counts the engineer's own History
// showed (the laptop sends them with the download).
class TeamHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { When, Engineer, Computer, Sites, Records, Pass, Fail, ColumnCount };

    explicit TeamHistoryModel(QObject *parent = nullptr);

    void setDownloads(const QVector<TeamDownload> &downloads);
    const TeamDownload &download(int row) const { return downloads.at(row); }
    // The row of the download with the team archive's number id, -1 when it is not listed.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVector<TeamDownload> downloads;
};
