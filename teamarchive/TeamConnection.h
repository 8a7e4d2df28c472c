#pragma once

#include "teamarchive/TeamAddress.h"

#include <QCoreApplication>
#include <QString>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// One connection to the team archive through Qt SQL's QPSQL driver, of the thread that made it
// (the window's worker has its own). open() connects and checks that the server holds a team
// archive of this program's version; a failure is a Problem with words for the user.
class TeamConnection
{
    Q_DECLARE_TR_FUNCTIONS(TeamConnection)

public:
    enum class Problem {
        None,
        DriverMissing,  // Qt SQL's PostgreSQL driver is not installed
        Unreachable,    // no server answered (name, address, port, network, time-out)
        Tls,            // the encryption asked for cannot be had, or the certificate is wrong
        LoginRefused,   // wrong user or password, or the server's rules refuse the computer
        NoRights,       // logged in, but not granted datalogger_engineer or datalogger_office
        NotTeamArchive, // the database holds no team archive (--team-init makes one)
        OlderSchema,    // made by an older version: --team-init brings it up to date
        NewerSchema,    // made by a newer version of the program
        Failed,         // anything else the server said
    };

    explicit TeamConnection(const TeamAddress &address);
    ~TeamConnection();
    TeamConnection(const TeamConnection &) = delete;
    TeamConnection &operator=(const TeamConnection &) = delete;

    // Connects only; the schema is not looked at (--team-init).
    bool connect();
    // Connects and checks the team archive's version.
    bool open();
    QSqlDatabase database() const;
    const TeamAddress &address() const { return where; }

    // The identity of the team archive, the same for every engineer's connection to it.
    QString archiveId() const { return teamArchiveId; }
    // The user the server knows this connection as.
    QString userName() const { return loggedInAs; }

    Problem problem() const { return lastProblem; }
    // What went wrong, with the server's own words.
    QString problemText() const { return lastText; }
    // Keeps what a failed statement says; always false.
    bool fail(const QSqlError &error);
    bool fail(Problem problem, const QString &text);
    // Prepares, binds the values in order and runs; false (problem kept) on failure.
    bool run(QSqlQuery &query, const QString &statement, const QVariantList &values = {});

    // Classifies an error of the driver (the libpq message and the SQLSTATE).
    static Problem classify(const QSqlError &error);

private:
    TeamAddress where;
    QString connectionName;
    QString teamArchiveId;
    QString loggedInAs;
    Problem lastProblem = Problem::None;
    QString lastText;
};
