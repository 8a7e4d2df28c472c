#include "teamarchive/TeamAddress.h"

#include <QSettings>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString Group = QStringLiteral("TeamArchive/");

// libpq's quoting of a value in a "key=value" list. QPSQL joins the options with spaces in
// place of ';', so a value holding ';' cannot be given.
QString quotedValue(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

TeamAddress TeamAddress::fromUri(const QString &uri, QString *error)
{
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") &&
                           url.scheme() != QLatin1String("postgres"))) {
        *error = tr("--team needs a connection URI such as "
                    "postgresql://user@host:5432/database?sslmode=require, not '%1'.",
                    "%1 is the value as the user typed it")
                     .arg(uri);
        return TeamAddress();
    }
    const auto badPort = [&](const QString &port) {
        *error = tr("The connection URI's port is a number from 1 to 65535, not '%1'.",
                    "%1 is the port as the user typed it")
                     .arg(port);
        return TeamAddress();
    };
    TeamAddress address;
    address.host = url.host();
    address.port = url.port(-1);
    if (address.port == 0)
        return badPort(QStringLiteral("0"));
    address.database = url.path().mid(1);
    address.user = url.userName();
    address.password = url.password();
    const QUrlQuery query(url);
    for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
        const QString &key = item.first;
        const QString &value = item.second;
        if (value.contains(QLatin1Char(';'))) {
            *error = tr("The connection URI's '%1' cannot hold a ';'.", "%1 is a key of the URI")
                         .arg(key);
            return TeamAddress();
        }
        if (key == QLatin1String("host"))
            address.host = value;
        else if (key == QLatin1String("port")) {
            bool number = false;
            address.port = value.toInt(&number);
            if (!number || address.port < 1 || address.port > 65535)
                return badPort(value);
        } else if (key == QLatin1String("dbname"))
            address.database = value;
        else if (key == QLatin1String("user"))
            address.user = value;
        else if (key == QLatin1String("password"))
            address.password = value;
        else if (key == QLatin1String("sslmode")) {
            if (!sslModes().contains(value)) {
                *error = tr("The connection URI's sslmode is one of %1, not '%2'.",
                            "%1 lists the modes, %2 is the value as the user typed it")
                             .arg(sslModes().join(QStringLiteral(", ")), value);
                return TeamAddress();
            }
            address.sslMode = value;
        } else if (key == QLatin1String("sslrootcert"))
            address.caFile = value;
        else if (key == QLatin1String("connect_timeout"))
            address.connectTimeoutSeconds = value.toInt();
        else
            address.extraOptions << key + QLatin1Char('=') + quotedValue(value);
    }
    return address;
}

const QStringList &TeamAddress::sslModes()
{
    static const QStringList modes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                                      QStringLiteral("prefer"),    QStringLiteral("require"),
                                      QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    return modes;
}

TeamAddress TeamAddress::fromSettings(const QSettings &settings)
{
    TeamAddress address;
    address.host = settings.value(Group + QLatin1String("Host")).toString();
    address.port = settings.value(Group + QLatin1String("Port"), -1).toInt();
    address.database = settings.value(Group + QLatin1String("Database")).toString();
    address.user = settings.value(Group + QLatin1String("User")).toString();
    address.sslMode = settings.value(Group + QLatin1String("SslMode")).toString();
    address.caFile = settings.value(Group + QLatin1String("CaFile")).toString();
    return address;
}

void TeamAddress::save(QSettings &settings) const
{
    settings.setValue(Group + QLatin1String("Host"), host);
    settings.setValue(Group + QLatin1String("Port"), port);
    settings.setValue(Group + QLatin1String("Database"), database);
    settings.setValue(Group + QLatin1String("User"), user);
    settings.setValue(Group + QLatin1String("SslMode"), sslMode);
    settings.setValue(Group + QLatin1String("CaFile"), caFile);
}

bool TeamAddress::sendingEnabled(const QSettings &settings)
{
    return settings.value(Group + QLatin1String("Send"), false).toBool() &&
           fromSettings(settings).isSet();
}

void TeamAddress::setSendingEnabled(QSettings &settings, bool on)
{
    settings.setValue(Group + QLatin1String("Send"), on);
}

QString TeamAddress::connectOptions() const
{
    QStringList options;
    options << QStringLiteral("sslmode=") +
                   (sslMode.isEmpty() ? QString::fromLatin1(defaultSslMode) : sslMode);
    if (!caFile.isEmpty())
        options << QStringLiteral("sslrootcert=") + quotedValue(caFile);
    options << QStringLiteral("connect_timeout=%1").arg(qMax(2, connectTimeoutSeconds));
    // A server that vanishes in the middle of a statement is noticed within half a minute.
    options << QStringLiteral("keepalives_idle=10") << QStringLiteral("keepalives_interval=5")
            << QStringLiteral("keepalives_count=3");
    options << QStringLiteral("application_name='Marlune DataLogger'");
    return (options + extraOptions).join(QLatin1Char(';'));
}

QString TeamAddress::shown() const
{
    QString text;
    if (!user.isEmpty())
        text += user + QLatin1Char('@');
    text += host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port > 0)
        text += QLatin1Char(':') + QString::number(port);
    if (!database.isEmpty())
        text += QLatin1Char('/') + database;
    return text;
}
