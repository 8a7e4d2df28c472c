#pragma once

#include <QObject>
#include <QThread>

class QLabel;
class QStatusBar;
class TeamSyncWorker;

// The window's side of the team archive: a worker in its own thread sends the waiting
// downloads at start-up and after each download kept in the archive, when the Team archive
// settings ask for it; a label in the status bar says how it went. Nothing here waits for the
// server.
class TeamArchiveStatus : public QObject
{
    Q_OBJECT

public:
    explicit TeamArchiveStatus(QStatusBar *bar);
    ~TeamArchiveStatus() override;

    // Sends what waits, now or once the sync under way ends.
    void syncSoon();
    QString text() const;

signals:
    void idle();

private:
    void start();
    void show(int sent, int waiting, const QString &problem);

    QThread thread;
    TeamSyncWorker *worker = nullptr;
    QLabel *label = nullptr;
    bool running = false;
    bool again = false;
};
