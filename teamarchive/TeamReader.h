#pragma once

#include "teamarchive/TeamAddress.h"
#include "teamarchive/TeamDownload.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class TeamConnection;

// The History's reader of the team archive: lives in a thread of its own with its own
// connection (made on the first read, kept for the next, made again after a failure), so the
// window never waits for the server. Each read answers with a signal; a problem is said in
// words, empty when the read went.
class TeamReader : public QObject
{
    Q_OBJECT

public:
    // The address without the password: the keyring is asked in the reader's thread.
    explicit TeamReader(const TeamAddress &address);
    ~TeamReader() override;

public slots:
    void list();
    void fetch(const TeamDownload &download);

signals:
    void listed(const QVector<TeamDownload> &downloads, const QString &problem);
    void fetched(qint64 id, const QByteArray &data, const QString &problem);

private:
    // The open connection, or nothing with problem set.
    TeamConnection *ready(QString *problem);
    // After a failed read: its words, and the connection made again next time.
    QString dropped();

    TeamAddress address;
    std::unique_ptr<TeamConnection> connection;
};
