#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>

#include <pwd.h>
#include <unistd.h>

namespace {

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

// Hands the folder and everything in it to the user.
bool giveTo(const QString &path, const QString &user)
{
    const passwd *entry = ::getpwnam(user.toLocal8Bit().constData());
    if (!entry)
        return false;
    QProcess chown;
    chown.start(QStringLiteral("chown"),
                {QStringLiteral("-R"),
                 QStringLiteral("%1:%2").arg(entry->pw_uid).arg(entry->pw_gid), path});
    return chown.waitForFinished(10000) && chown.exitCode() == 0;
}

} // namespace

QString PostgresServer::binDir()
{
    for (const char *version : {"17", "16", "15", "14", "13"}) {
        const QString bin =
            QStringLiteral("/usr/lib/postgresql/%1/bin").arg(QLatin1String(version));
        if (QFileInfo(bin + QStringLiteral("/pg_ctl")).isExecutable())
            return bin;
    }
    return QString();
}

PostgresServer::PostgresServer() : dir(QDir::tempPath() + QStringLiteral("/ml-pg-XXXXXX"))
{
    if (::geteuid() == 0)
        runAs = ::getpwnam("postgres") ? QStringLiteral("postgres") : QStringLiteral("nobody");
}

PostgresServer::~PostgresServer()
{
    if (running)
        stop(true);
    // Files the server's user made are removed by root anyway.
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, int timeoutMs,
                         const QString &what, QByteArray *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("PGHOST"), dir.path());
    environment.insert(QStringLiteral("PGPORT"), QString::number(tcpPort));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    if (runAs.isEmpty())
        process.start(program, arguments);
    else
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), runAs, QStringLiteral("--"), program} +
                          arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        lastError = QStringLiteral("%1 did not end within %2 s").arg(what).arg(timeoutMs / 1000);
        return false;
    }
    const QByteArray text = process.readAll();
    if (output)
        *output = text;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        lastError = QStringLiteral("%1 failed: %2").arg(what, QString::fromLocal8Bit(text));
        return false;
    }
    return true;
}

bool PostgresServer::start()
{
    const QString bin = binDir();
    if (bin.isEmpty() || !dir.isValid()) {
        lastError = QStringLiteral("PostgreSQL's server programs are not installed");
        return false;
    }
    tcpPort = freePort();
    const QString data = dir.path() + QStringLiteral("/data");
    QFile password(dir.path() + QStringLiteral("/owner-password"));
    if (!password.open(QIODevice::WriteOnly) || password.write("owner-pw\n") < 0)
        return false;
    password.close();
    if (!runAs.isEmpty() && !giveTo(dir.path(), runAs)) {
        lastError = QStringLiteral("the folder could not be given to %1").arg(runAs);
        return false;
    }
    // The certificate the clients check with sslmode=verify-full.
    if (!run(QStringLiteral("openssl"),
             {QStringLiteral("req"), QStringLiteral("-new"), QStringLiteral("-x509"),
              QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-nodes"),
              // An elliptic-curve key: made at once, where RSA's costs a loaded machine seconds.
              QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
              QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-subj"),
              QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
              QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1"),
              QStringLiteral("-keyout"), dir.path() + QStringLiteral("/server.key"),
              QStringLiteral("-out"), certificate()},
             30000, QStringLiteral("openssl making the certificate")))
        return false;
    QFile::setPermissions(dir.path() + QStringLiteral("/server.key"),
                          QFile::ReadOwner | QFile::WriteOwner);
    if (!run(bin + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QLatin1String(owner),
              QStringLiteral("--pwfile"), password.fileName(), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--no-sync"),
              QStringLiteral("--no-instructions"), QStringLiteral("--auth-local=trust"),
              QStringLiteral("--auth-host=scram-sha-256")},
             60000, QStringLiteral("initdb")))
        return false;
    QFile config(data + QStringLiteral("/postgresql.conf"));
    QFile hba(data + QStringLiteral("/pg_hba.conf"));
    if (!config.open(QIODevice::Append) || !hba.open(QIODevice::WriteOnly))
        return false;
    config.write(QStringLiteral("listen_addresses = '127.0.0.1'\nport = %1\n"
                                "unix_socket_directories = '%2'\nssl = on\n"
                                "ssl_cert_file = '%3'\nssl_key_file = '%2/server.key'\n"
                                "fsync = off\nfull_page_writes = off\nmax_connections = 30\n")
                     .arg(tcpPort)
                     .arg(dir.path(), certificate())
                     .toUtf8());
    hba.write("local all all trust\nhost all all 127.0.0.1/32 scram-sha-256\n");
    config.close();
    hba.close();
    return restart() && sql(QStringLiteral("CREATE DATABASE team"), QStringLiteral("postgres"));
}

bool PostgresServer::restart()
{
    running = run(binDir() + QStringLiteral("/pg_ctl"),
                  {QStringLiteral("-D"), dir.path() + QStringLiteral("/data"), QStringLiteral("-l"),
                   dir.path() + QStringLiteral("/server.log"), QStringLiteral("-w"),
                   QStringLiteral("-t"), QStringLiteral("30"), QStringLiteral("start")},
                  40000, QStringLiteral("pg_ctl start (waiting for the server to accept)"));
    return running;
}

bool PostgresServer::stop(bool immediate)
{
    running = false;
    return run(binDir() + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), dir.path() + QStringLiteral("/data"), QStringLiteral("-m"),
                immediate ? QStringLiteral("immediate") : QStringLiteral("fast"),
                QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("30"),
                QStringLiteral("stop")},
               40000, QStringLiteral("pg_ctl stop (waiting for the server to end)"));
}

QString PostgresServer::uri(const QString &user, const QString &query,
                            const QString &password) const
{
    return QStringLiteral("postgresql://%1%2@127.0.0.1:%3/team?%4")
        .arg(user, password.isEmpty() ? QString() : QLatin1Char(':') + password)
        .arg(tcpPort)
        .arg(query);
}

bool PostgresServer::sql(const QString &statements, const QString &database)
{
    return run(QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-U"), QLatin1String(owner),
                QStringLiteral("-d"), database, QStringLiteral("-c"), statements},
               30000, QStringLiteral("psql"));
}

QString PostgresServer::value(const QString &query)
{
    QByteArray output;
    if (!run(QStringLiteral("psql"),
             {QStringLiteral("-X"), QStringLiteral("-At"), QStringLiteral("-U"),
              QLatin1String(owner), QStringLiteral("-d"), QStringLiteral("team"),
              QStringLiteral("-c"), query},
             30000, QStringLiteral("psql"), &output))
        return QStringLiteral("<%1>").arg(lastError);
    return QString::fromUtf8(output).trimmed();
}
