#pragma once

#include <QCoreApplication>
#include <QString>

class TeamConnection;

// The team archive's tables on the server, in the schema "datalogger": their version and the
// ordered steps that make them. Only --team-init changes them (it needs the owner's rights);
// every other use checks the version and refuses one it does not know.
class TeamSchema
{
    Q_DECLARE_TR_FUNCTIONS(TeamSchema)

public:
    // The newest version this program knows.
    static const int version;
    // The roles --team-init creates, without login: the firm grants them to its users.
    static const char *const engineerRole; // sends, reads and deletes its own downloads
    static const char *const officeRole;   // reads

    // The version of the team archive on the connection: 0 when there is none, -1 when it
    // cannot be read (connection's problem()). Its identity in *archiveId when asked for.
    static int versionOn(TeamConnection &connection, QString *archiveId = nullptr);
    // Creates the team archive or brings it up to date, each step in a transaction of its own;
    // another --team-init at the same time waits. The version reached before, in *from.
    static bool initialize(TeamConnection &connection, int *from);
};
