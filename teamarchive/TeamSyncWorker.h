#pragma once

#include "teamarchive/TeamAddress.h"

#include <QObject>
#include <QString>

#include <atomic>

// The window's sender: lives in a thread of its own with its own connections to the local
// archive and the team archive, so that neither the window nor its save dialog ever waits for
// the server. sync() sends what waits and reports with synced().
class TeamSyncWorker : public QObject
{
    Q_OBJECT

public:
    explicit TeamSyncWorker(const QString &archivePath) : archivePath(archivePath) {}
    // Asks a running sync to end after its current transaction (from any thread).
    void requestStop() { stop = true; }

public slots:
    // The address without the password: the keyring is asked here, in the worker's thread.
    void sync(const TeamAddress &address);

signals:
    // sent: newly in the team archive; waiting: still to send; problem: why not, empty when
    // all are there.
    void synced(int sent, int waiting, const QString &problem);

private:
    QString archivePath;
    std::atomic_bool stop{false};
};
