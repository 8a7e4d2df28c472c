#include "teamarchive/TeamConnection.h"

#include "teamarchive/TeamSchema.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QAtomicInt connectionCount;

bool mentions(const QString &text, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString wordsOf(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    // libpq's "FATAL:  " and line breaks make no sense on one line.
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

TeamConnection::TeamConnection(const TeamAddress &address)
    : where(address),
      connectionName(QStringLiteral("ml_team_%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{
}

TeamConnection::~TeamConnection()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    database().close();
    QSqlDatabase::removeDatabase(connectionName);
}

QSqlDatabase TeamConnection::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

TeamConnection::Problem TeamConnection::classify(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    const QString text = wordsOf(error);
    if (code == QLatin1String("42501") || mentions(text, {"permission denied"}))
        return Problem::NoRights;
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P")) ||
        mentions(text, {"server closed the connection", "no connection to the server",
                        "terminating connection", "connection to server was lost",
                        "could not receive data", "could not send data", "ssl syscall error",
                        "eof detected", "connection reset", "broken pipe", "database not open"}))
        return Problem::Unreachable;
    if (code.startsWith(QLatin1String("28")) ||
        mentions(text, {"password authentication failed", "no password supplied",
                        "authentication failed", "pg_hba.conf", "role \"", "fe_sendauth"}))
        return Problem::LoginRefused;
    if (mentions(text, {"ssl", "certificate", "tls"}))
        return Problem::Tls;
    if (error.type() == QSqlError::ConnectionError)
        return Problem::Unreachable;
    return Problem::Failed;
}

bool TeamConnection::fail(Problem problem, const QString &text)
{
    lastProblem = problem;
    lastText = text;
    return false;
}

bool TeamConnection::fail(const QSqlError &error)
{
    const Problem problem = classify(error);
    const QString words = wordsOf(error);
    switch (problem) {
    case Problem::NoRights:
        return fail(problem,
                    tr("%1 may not use the team archive: the office grants the role %2 (or %3). "
                       "The server said: %4",
                       "%1 is a user name, %2 and %3 roles, %4 the server's words")
                        .arg(where.user.isEmpty() ? loggedInAs : where.user,
                             QLatin1String(TeamSchema::engineerRole),
                             QLatin1String(TeamSchema::officeRole), words));
    case Problem::Unreachable:
        return fail(problem, tr("The team archive %1 cannot be reached: %2",
                                "%1 is user@server:port/database, %2 the reason")
                                 .arg(where.shown(), words));
    case Problem::LoginRefused:
        return fail(problem, tr("The team archive %1 refused the login: %2",
                                "%1 is user@server:port/database, %2 the reason")
                                 .arg(where.shown(), words));
    case Problem::Tls:
        return fail(problem, tr("No secure connection to the team archive %1: %2",
                                "%1 is user@server:port/database, %2 the reason")
                                 .arg(where.shown(), words));
    default:
        break;
    }
    return fail(problem, tr("The team archive %1 said: %2",
                            "%1 is user@server:port/database, %2 the server's words")
                             .arg(where.shown(), words));
}

bool TeamConnection::run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    // A statement without values goes as it is: preparing it first would cost a round trip.
    if (values.isEmpty())
        return query.exec(statement) || fail(query.lastError());
    if (!query.prepare(statement))
        return fail(query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || fail(query.lastError());
}

bool TeamConnection::connect()
{
    lastProblem = Problem::None;
    lastText.clear();
    if (QSqlDatabase::contains(connectionName) && database().isOpen())
        return true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    if (!db.isValid())
        return fail(Problem::DriverMissing,
                    tr("The team archive needs Qt SQL's PostgreSQL driver (Debian: the package "
                       "libqt5sql5-psql), which is not installed."));
    db.setHostName(where.host);
    if (where.port > 0)
        db.setPort(where.port);
    db.setDatabaseName(where.database);
    db.setUserName(where.user);
    db.setPassword(where.password);
    db.setConnectOptions(where.connectOptions());
    if (!db.open())
        return fail(db.lastError());
    // Times come and go as UTC; set in the same round trip.
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("SELECT current_user, set_config('TimeZone', 'UTC', false)")) ||
        !query.next())
        return false;
    loggedInAs = query.value(0).toString();
    return true;
}

bool TeamConnection::open()
{
    if (!connect())
        return false;
    const int found = TeamSchema::versionOn(*this, &teamArchiveId);
    if (found < 0)
        return false;
    if (found == 0)
        return fail(Problem::NotTeamArchive,
                    tr("The database %1 holds no team archive. Its owner makes one with "
                       "--team-init.",
                       "%1 is user@server:port/database")
                        .arg(where.shown()));
    if (found > TeamSchema::version)
        return fail(Problem::NewerSchema,
                    tr("The team archive %1 was made by a newer version of this program "
                       "(version %2; this one knows %3). Install the newer version.",
                       "%1 is user@server:port/database, %2 and %3 version numbers")
                        .arg(where.shown())
                        .arg(found)
                        .arg(TeamSchema::version));
    if (found < TeamSchema::version)
        return fail(Problem::OlderSchema,
                    tr("The team archive %1 is of an older version (%2): its owner brings it up "
                       "to date with --team-init.",
                       "%1 is user@server:port/database, %2 a version number")
                        .arg(where.shown())
                        .arg(found));
    return true;
}
