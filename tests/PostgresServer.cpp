#include "PostgresServer.h"
#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>

QString PostgresServer::binDir()
{
    for (const char *version : {"17", "16", "15", "14", "13"}) {
        const QString bin = QString("/usr/lib/postgresql/%1/bin").arg(QLatin1String(version));
        if (QFileInfo(bin + "/pg_ctl").isExecutable())
            return bin;
    }
    return QString();
}

PostgresServer::~PostgresServer()
{
    stop(); // (refused at once when it is not running)
    // Files the server's user made are removed by root anyway.
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, const QString &what,
                         QByteArray *output, bool asServer)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    environment.insert("PGHOST", dir.path());
    environment.insert("PGPORT", QString::number(tcpPort));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    const bool other = asServer && !runAs.isEmpty();
    process.start(other ? "runuser" : program,
                  other ? QStringList{"-u", runAs, "--", program} + arguments : arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(2000);
        lastError = what + " did not end within 60 s";
        return false;
    }
    const QByteArray text = process.readAll();
    if (output)
        *output = text;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        lastError = QString("%1 failed: %2").arg(what, QString::fromLocal8Bit(text));
        return false;
    }
    return true;
}

bool PostgresServer::start()
{
    const QString bin = binDir();
    if (bin.isEmpty() || !dir.isValid()) {
        lastError = "PostgreSQL's server programs are not installed";
        return false;
    }
    tcpPort = [] {
        QTcpServer probe; // a free port, closed again before the server takes it
        return probe.listen(QHostAddress::LocalHost, 0) ? int(probe.serverPort()) : 0;
    }();
    const QString data = dir.path() + "/data";
    const QString password = dir.path() + "/owner-password";
    if (!TestSupport::put(password, "owner-pw\n"))
        return false;
    // The folder and everything in it go to the server's user.
    if (!runAs.isEmpty() && !run("chown", {"-R", runAs + ':', dir.path()}, "chown", nullptr, false))
        return false;
    // The certificate the clients check with sslmode=verify-full; an elliptic-curve key is made
    // at once, where RSA's costs a loaded machine seconds.
    const QString key = dir.path() + "/server.key";
    if (!run("openssl",
             QProcess::splitCommand(u"req -new -x509 -days 2 -nodes -newkey ec -pkeyopt "
                                    u"ec_paramgen_curve:prime256v1 -subj /CN=localhost -addext "
                                    u"subjectAltName=DNS:localhost,IP:127.0.0.1") +
                 QStringList{"-keyout", key, "-out", certificate()},
             "openssl making the certificate"))
        return false;
    QFile::setPermissions(key, QFile::ReadOwner | QFile::WriteOwner);
    if (!run(bin + "/initdb",
             QStringList{"-D", data, "-U", owner, "--pwfile", password} +
                 QProcess::splitCommand(u"-E UTF8 --no-sync --no-instructions --auth-local=trust "
                                        u"--auth-host=scram-sha-256"),
             "initdb"))
        return false;
    // initdb's access rules are the ones wanted: trust on the socket, passwords on TCP. The
    // settings lie where ALTER SYSTEM keeps its own.
    return TestSupport::put(data + "/postgresql.auto.conf",
                            QString("listen_addresses = '127.0.0.1'\nport = %1\n"
                                    "unix_socket_directories = '%2'\nssl = on\n"
                                    "ssl_cert_file = '%3'\nssl_key_file = '%4'\n"
                                    "fsync = off\nfull_page_writes = off\nmax_connections = 30\n")
                                .arg(tcpPort)
                                .arg(dir.path(), certificate(), key)
                                .toUtf8()) &&
           restart() && sql("CREATE DATABASE team", "postgres");
}

bool PostgresServer::restart()
{
    return run(
        binDir() + "/pg_ctl",
        {"-D", dir.path() + "/data", "-l", dir.path() + "/server.log", "-w", "-t", "30", "start"},
        "pg_ctl start (waiting for the server to accept)");
}

bool PostgresServer::stop(bool immediate)
{
    return run(binDir() + "/pg_ctl",
               {"-D", dir.path() + "/data", "-m", immediate ? "immediate" : "fast", "-w", "-t",
                "30", "stop"},
               "pg_ctl stop (waiting for the server to end)");
}

QString PostgresServer::uri(const QString &user, const QString &query,
                            const QString &password) const
{
    return QString("postgresql://%1%2@127.0.0.1:%3/team?%4")
        .arg(user, password.isEmpty() ? QString() : ':' + password)
        .arg(tcpPort)
        .arg(query);
}

bool PostgresServer::sql(const QString &statements, const QString &database, QByteArray *output)
{
    return run(
        "psql",
        {"-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-U", owner, "-d", database, "-c", statements},
        "psql", output);
}

QString PostgresServer::value(const QString &query)
{
    QByteArray output;
    return sql(query, "team", &output) ? QString::fromUtf8(output).trimmed()
                                       : QString("<%1>").arg(lastError);
}
