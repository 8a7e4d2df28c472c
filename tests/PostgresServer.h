#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

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

    ~PostgresServer();
    // Makes the cluster and starts it; false with error() when it could not.
    bool start();
    // Stops it at once, as a crash or a pulled cable would, or else as an administrator would.
    bool stop(bool immediate = true);
    // Starts it again after stop().
    bool restart();
    QString error() const { return lastError; }

    int port() const { return tcpPort; }
    // The certificate, for sslrootcert.
    QString certificate() const { return dir.path() + "/server.crt"; }
    // A URI to the database "team" on the loopback port.
    QString uri(const QString &user, const QString &query = "sslmode=require",
                const QString &password = QString()) const;

    // Runs SQL as the owner over the Unix socket (psql), on the database "team" unless
    // database is given; false with error() when it fails. What it prints goes to output.
    bool sql(const QString &statements, const QString &database = "team",
             QByteArray *output = nullptr);
    // The first field of the first row, as psql prints it unaligned.
    QString value(const QString &query);

private:
    // Runs the program (as the server's user unless not asServer) for at most 60 s.
    bool run(const QString &program, const QStringList &arguments, const QString &what,
             QByteArray *output = nullptr, bool asServer = true);
    QTemporaryDir dir{QDir::tempPath() + "/ml-pg-XXXXXX"};
    // Empty: as this process's user.
    const QString runAs = ::geteuid() == 0 ? (::getpwnam("postgres") ? "postgres" : "nobody") : "";
    int tcpPort = 0;
    QString lastError;
};
