#pragma once

#include "teamarchive/TeamDownload.h"

#include <QCoreApplication>
#include <QVariant>
#include <QVector>

#include <optional>

class QSqlQuery;
class TeamConnection;

// The team archive's downloads of every engineer, read over an open() connection: the list,
// one download, its bytes (checked against their SHA-256), and deleting one's own.
class TeamDownloads
{
    Q_DECLARE_TR_FUNCTIONS(TeamDownloads)

public:
    explicit TeamDownloads(TeamConnection &connection) : connection(connection) {}

    // Newest first; nothing when it cannot be read (the connection's problemText()).
    std::optional<QVector<TeamDownload>> list();
    // The download with this number or UUID; nothing with notFound set when there is none.
    std::optional<TeamDownload> find(const QString &idOrUuid, bool *notFound);
    // Its bytes, exactly as received; nothing when they cannot be read or do not match their
    // SHA-256.
    std::optional<QByteArray> data(const TeamDownload &download);
    // Deletes a download the connection's user sent; false (problemText()) for another's.
    bool remove(const TeamDownload &download);

private:
    bool select(QSqlQuery &query, const QString &where, const QVariantList &values);
    std::optional<QVector<TeamDownload>> rows(QSqlQuery &query);
    TeamConnection &connection;
};
