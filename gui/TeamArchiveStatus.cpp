#include "gui/TeamArchiveStatus.h"

#include "teamarchive/TeamSyncWorker.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>

TeamArchiveStatus::TeamArchiveStatus(QStatusBar *bar) : QObject(bar)
{
    qRegisterMetaType<TeamAddress>();
    label = new QLabel(bar);
    label->setObjectName(QStringLiteral("teamArchiveStatus"));
    label->setTextFormat(Qt::PlainText);
    bar->addPermanentWidget(label);
    worker = new TeamSyncWorker(QString());
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &TeamSyncWorker::synced, this, &TeamArchiveStatus::show);
    thread.setObjectName(QStringLiteral("team archive"));
    thread.start();
    syncSoon();
}

TeamArchiveStatus::~TeamArchiveStatus()
{
    // A sync under way ends after its transaction; a connection being made ends at its
    // time-out.
    worker->requestStop();
    thread.quit();
    thread.wait();
}

QString TeamArchiveStatus::text() const
{
    return label->text();
}

void TeamArchiveStatus::syncSoon()
{
    if (!TeamAddress::sendingEnabled(QSettings()))
        return;
    if (running) {
        again = true;
        return;
    }
    start();
}

void TeamArchiveStatus::start()
{
    running = true;
    again = false;
    TeamAddress address = TeamAddress::fromSettings(QSettings());
    address.connectTimeoutSeconds = 5;
    QMetaObject::invokeMethod(worker, "sync", Qt::QueuedConnection, Q_ARG(TeamAddress, address));
}

void TeamArchiveStatus::show(int sent, int waiting, const QString &problem)
{
    running = false;
    if (problem.isEmpty()) {
        if (sent > 0 || !label->text().isEmpty())
            label->setText(tr("Sent to the team archive"));
        label->setToolTip(QString());
    } else {
        label->setText(
            waiting > 0 ? tr("Team archive unreachable: %n download(s) waiting", nullptr, waiting)
                        : tr("Team archive: a download was refused"));
        label->setToolTip(problem);
    }
    if (again)
        start();
    else
        emit idle();
}
