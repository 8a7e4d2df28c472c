#include "teamarchive/TeamSchema.h"

#include "teamarchive/TeamConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The layout on the server, one step per version from the first on. Each step runs in a
// transaction of its own and ends by setting datalogger.team_archive's version. Add a new step
// at the end; never change one that has been released.
//
// A download is its row in datalogger.download (who sent it from which computer, when it was
// received by the laptop's clock and when it arrived by the server's, what the results view
// found) and its bytes in datalogger.download_data. The bytes' SHA-256 is kept in both: the
// server refuses bytes that do not match it, and a download whose row is there always has its
// bytes (both go in one transaction).

namespace {

struct Step
{
    int version;
    QStringList statements;
};

const QVector<Step> &steps()
{
    static const QVector<Step> all = {
        {1,
         {QStringLiteral("CREATE SCHEMA IF NOT EXISTS datalogger"),
          QStringLiteral("CREATE TABLE datalogger.team_archive ("
                         " one boolean PRIMARY KEY DEFAULT true CHECK (one),"
                         " id uuid NOT NULL DEFAULT gen_random_uuid(),"
                         " schema_version integer NOT NULL,"
                         " created timestamptz NOT NULL DEFAULT now())"),
          QStringLiteral("INSERT INTO datalogger.team_archive (schema_version) VALUES (0)"),
          QStringLiteral("CREATE TABLE datalogger.download ("
                         " id bigint GENERATED ALWAYS AS IDENTITY UNIQUE,"
                         " uuid uuid PRIMARY KEY,"
                         " sha256 bytea NOT NULL CHECK (length(sha256) = 32),"
                         " engineer text NOT NULL DEFAULT current_user,"
                         " computer text NOT NULL,"
                         " local_id bigint NOT NULL,"
                         " started timestamptz NOT NULL,"
                         " ended timestamptz NOT NULL,"
                         " sent timestamptz NOT NULL," // the laptop's clock
                         " arrived timestamptz NOT NULL DEFAULT clock_timestamp(),"
                         " port_name text NOT NULL,"
                         " device_path text NOT NULL,"
                         " read_timeout_ms integer NOT NULL,"
                         " ending text NOT NULL,"
                         " byte_count bigint NOT NULL,"
                         " line_count bigint NOT NULL,"
                         " record_count integer,"
                         " pass_count integer,"
                         " fail_count integer,"
                         " complete boolean,"
                         " sites text[] NOT NULL DEFAULT '{}',"
                         " UNIQUE (uuid, sha256))"),
          QStringLiteral("CREATE INDEX download_by_start ON datalogger.download (started, id)"),
          QStringLiteral("CREATE TABLE datalogger.download_data ("
                         " uuid uuid PRIMARY KEY,"
                         " sha256 bytea NOT NULL,"
                         " bytes bytea NOT NULL,"
                         " CHECK (sha256(bytes) = sha256),"
                         " FOREIGN KEY (uuid, sha256) REFERENCES datalogger.download (uuid, sha256)"
                         "  ON DELETE CASCADE)"),
          // Roles are the cluster's, not the database's: a second team archive on the same
          // server shares them.
          QStringLiteral("DO $$ BEGIN"
                         " IF NOT EXISTS (SELECT FROM pg_roles"
                         "  WHERE rolname = 'datalogger_engineer') THEN"
                         "  CREATE ROLE datalogger_engineer NOLOGIN; END IF;"
                         " IF NOT EXISTS (SELECT FROM pg_roles"
                         "  WHERE rolname = 'datalogger_office') THEN"
                         "  CREATE ROLE datalogger_office NOLOGIN; END IF;"
                         " END $$"),
          QStringLiteral("GRANT USAGE ON SCHEMA datalogger"
                         " TO datalogger_engineer, datalogger_office"),
          QStringLiteral("GRANT SELECT ON datalogger.team_archive, datalogger.download,"
                         " datalogger.download_data TO datalogger_engineer, datalogger_office"),
          QStringLiteral("GRANT INSERT ON datalogger.download, datalogger.download_data"
                         " TO datalogger_engineer"),
          QStringLiteral("GRANT DELETE ON datalogger.download TO datalogger_engineer"),
          // Everyone with a role reads every download; an engineer sends and deletes only as
          // themself. Deleting a row takes its bytes along (the foreign key's cascade).
          QStringLiteral("ALTER TABLE datalogger.download ENABLE ROW LEVEL SECURITY"),
          QStringLiteral("CREATE POLICY everyone_reads ON datalogger.download FOR SELECT"
                         " USING (true)"),
          QStringLiteral("CREATE POLICY engineer_sends_own ON datalogger.download FOR INSERT"
                         " TO datalogger_engineer WITH CHECK (engineer = current_user)"),
          QStringLiteral("CREATE POLICY engineer_deletes_own ON datalogger.download FOR DELETE"
                         " TO datalogger_engineer USING (engineer = current_user)")}},
    };
    return all;
}

} // namespace

const int TeamSchema::version = 1;
const char *const TeamSchema::engineerRole = "datalogger_engineer";
const char *const TeamSchema::officeRole = "datalogger_office";

int TeamSchema::versionOn(TeamConnection &connection, QString *archiveId)
{
    QSqlQuery query(connection.database());
    if (!connection.run(query, QStringLiteral("SELECT to_regclass('datalogger.team_archive')"
                                              " IS NOT NULL")) ||
        !query.next())
        return -1;
    if (!query.value(0).toBool())
        return 0;
    if (!connection.run(query, QStringLiteral("SELECT schema_version, id::text"
                                              " FROM datalogger.team_archive")))
        return -1;
    if (!query.next())
        return 0;
    if (archiveId)
        *archiveId = query.value(1).toString();
    return query.value(0).toInt();
}

bool TeamSchema::initialize(TeamConnection &connection, int *from)
{
    QSqlDatabase db = connection.database();
    QSqlQuery query(db);
    const auto rollBack = [&] {
        connection.fail(query.lastError());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    *from = -1;
    for (const Step &step : steps()) {
        if (!query.exec(QStringLiteral("BEGIN")))
            return rollBack();
        // Another --team-init waits here until this one's step is done, then finds it done.
        if (!query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7274657)")))
            return rollBack();
        const int found = TeamSchema::versionOn(connection);
        if (found < 0) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        if (*from < 0)
            *from = found;
        if (found > version) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return connection.fail(
                TeamConnection::Problem::NewerSchema,
                tr("The team archive was made by a newer version of this program (version %1; "
                   "this one knows %2): it is left as it is.",
                   "%1 and %2 are version numbers")
                    .arg(found)
                    .arg(version));
        }
        if (found >= step.version) {
            if (!query.exec(QStringLiteral("COMMIT")))
                return rollBack();
            continue;
        }
        for (const QString &statement : step.statements) {
            if (!query.exec(statement))
                return rollBack();
        }
        if (!connection.run(query,
                            QStringLiteral("UPDATE datalogger.team_archive SET schema_version = ?"),
                            {step.version})) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
        if (!query.exec(QStringLiteral("COMMIT")))
            return rollBack();
    }
    return true;
}
