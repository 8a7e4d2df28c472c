#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>
#include <QStringList>

class QSettings;

// Where the team archive is and how to reach it: what a libpq connection URI
// (postgresql://user@host:port/db?sslmode=require) or the Team archive settings say. Empty fields
// are left to libpq, so PGHOST, PGUSER, PGPASSWORD, ~/.pgpass and PGSERVICE work as for psql.
// The password is never kept in the settings file: the keyring holds it (TeamPassword).
class TeamAddress
{
    Q_DECLARE_TR_FUNCTIONS(TeamAddress)

public:
    QString host; // a name, an address or a Unix socket's folder
    int port = -1;
    QString database;
    QString user;
    QString password;
    // disable, allow, prefer, require, verify-ca, verify-full; empty: require.
    QString sslMode;
    QString caFile;           // sslrootcert, for verify-ca and verify-full
    QStringList extraOptions; // further "key=value" pairs of the URI
    int connectTimeoutSeconds = 10;

    static constexpr const char *defaultSslMode = "require";
    // The TLS modes libpq knows, from none to the strictest.
    static const QStringList &sslModes();

    // Reads a URI; nothing set and error said when it is not one.
    static TeamAddress fromUri(const QString &uri, QString *error);
    // The settings' address (the "TeamArchive/" keys), without the password.
    static TeamAddress fromSettings(const QSettings &settings);
    void save(QSettings &settings) const;
    // Whether the settings name a team archive and ask for sending to it.
    static bool sendingEnabled(const QSettings &settings);
    static void setSendingEnabled(QSettings &settings, bool on);

    // Whether anything names a server: the settings were filled in, or a URI was given.
    bool isSet() const { return !host.isEmpty() || !database.isEmpty() || !user.isEmpty(); }
    // The options for Qt SQL's QPSQL driver (libpq "key=value" pairs joined by ';').
    QString connectOptions() const;
    // For messages: user@host:port/database, never the password.
    QString shown() const;
};

Q_DECLARE_METATYPE(TeamAddress)
