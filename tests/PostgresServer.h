#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real PostgreSQL server of the test's own (Debian's initdb and pg_ctl) in a temporary
// folder: a Unix socket in that folder, TCP on a free loopback port with TLS by a certificate
// made for it, passwords asked on TCP. PostgreSQL refuses to run as root, so under root (CI) the
// server runs as the user "postgres" (the server package makes it), else "nobody", owning the
// folder. Every wait is bounded and says what it waited for (error()).
class PostgresServer
{
public:
    static constexpr const char *owner = "owner";

    // The server's programs, or an empty string when they are not installed.
    static QString binDir();

    PostgresServer();
    ~PostgresServer();
    // Makes the cluster and starts it; false with error() when it could not.
    bool start();
    bool stop(bool immediate);
    // Starts it again after stop().
    bool restart();
    QString error() const { return lastError; }

    int port() const { return tcpPort; }
    QString socketDir() const { return dir.path(); }
    // The certificate, for sslrootcert.
    QString certificate() const { return dir.path() + QStringLiteral("/server.crt"); }
    // A URI to the database "team" on the loopback port.
    QString uri(const QString &user, const QString &query = QStringLiteral("sslmode=require"),
                const QString &password = QString()) const;

    // Runs SQL as the owner over the Unix socket (psql), on the database "team" unless
    // database is given; false with error() when it fails.
    bool sql(const QString &statements, const QString &database = QStringLiteral("team"));
    // The first field of the first row, as psql prints it unaligned.
    QString value(const QString &query);

private:
    bool run(const QString &program, const QStringList &arguments, int timeoutMs,
             const QString &what, QByteArray *output = nullptr);
    QTemporaryDir dir;
    QString runAs; // empty: as this process's user
    int tcpPort = 0;
    QString lastError;
    bool running = false;
};
