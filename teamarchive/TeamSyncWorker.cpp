#include "teamarchive/TeamSyncWorker.h"

#include "archive/Archive.h"
#include "teamarchive/TeamConnection.h"
#include "teamarchive/TeamPassword.h"
#include "teamarchive/TeamSender.h"

void TeamSyncWorker::sync(const TeamAddress &address)
{
    Archive archive;
    if (!archive.open(archivePath.isEmpty() ? Archive::defaultPath() : archivePath)) {
        emit synced(0, 0, archive.errorString());
        return;
    }
    TeamConnection connection(TeamPassword::withPassword(address));
    if (!connection.open()) {
        emit synced(0, TeamSender::waitingCount(archive, QString()), connection.problemText());
        return;
    }
    const TeamSender::Outcome outcome =
        TeamSender::send(archive, connection, TeamSender::computerName(), &stop);
    emit synced(outcome.sent, outcome.waiting, outcome.text);
}
