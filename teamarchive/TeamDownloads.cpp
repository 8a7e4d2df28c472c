#include "teamarchive/TeamDownloads.h"

#include "archive/DownloadEndingText.h"
#include "teamarchive/TeamConnection.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

QDateTime utcOf(const QVariant &ms)
{
    return ms.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms.toLongLong(), Qt::UTC);
}

std::optional<int> optionalInt(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

DownloadEnding endingFrom(const QString &name)
{
    for (DownloadEnding ending :
         {DownloadEnding::Silence, DownloadEnding::LineLost, DownloadEnding::Cancelled}) {
        if (name == DownloadEndingText::name(ending))
            return ending;
    }
    return DownloadEnding::Interrupted;
}

} // namespace

bool TeamDownloads::select(QSqlQuery &query, const QString &where, const QVariantList &values)
{
    query.setForwardOnly(true);
    // date_part's double precision, not extract's numeric: ten thousand rows are read at a
    // quarter of the cost, and a millisecond is well inside its precision.
    const auto ms = [](const char *column) {
        return QStringLiteral("(date_part('epoch', %1) * 1000)::bigint").arg(QLatin1String(column));
    };
    return connection.run(
        query,
        QStringLiteral("SELECT id, uuid::text, engineer, computer, local_id, %1, %2, %3, %4,"
                       " port_name, device_path, read_timeout_ms, ending, byte_count, line_count,"
                       " record_count, pass_count, fail_count, complete,"
                       " array_to_string(sites, E'\\n'), sha256"
                       " FROM datalogger.download %5 ORDER BY started DESC, id DESC")
            .arg(ms("started"), ms("ended"), ms("sent"), ms("arrived"), where),
        values);
}

std::optional<QVector<TeamDownload>> TeamDownloads::rows(QSqlQuery &query)
{
    QVector<TeamDownload> all;
    while (query.next()) {
        TeamDownload row;
        row.id = query.value(0).toLongLong();
        row.uuid = query.value(1).toString();
        row.engineer = query.value(2).toString();
        row.computer = query.value(3).toString();
        row.localId = query.value(4).toLongLong();
        row.started = utcOf(query.value(5));
        row.ended = utcOf(query.value(6));
        row.sent = utcOf(query.value(7));
        row.arrived = utcOf(query.value(8));
        row.portName = query.value(9).toString();
        row.devicePath = query.value(10).toString();
        row.readTimeoutMs = query.value(11).toInt();
        row.ending = endingFrom(query.value(12).toString());
        row.byteCount = query.value(13).toLongLong();
        row.lineCount = query.value(14).toLongLong();
        row.recordCount = optionalInt(query.value(15));
        row.passCount = optionalInt(query.value(16));
        row.failCount = optionalInt(query.value(17));
        if (!query.value(18).isNull())
            row.complete = query.value(18).toBool();
        const QString sites = query.value(19).toString();
        if (!sites.isEmpty())
            row.sites = sites.split(QLatin1Char('\n'));
        row.sha256 = query.value(20).toByteArray();
        all.append(std::move(row));
    }
    if (query.lastError().isValid())
        return connection.fail(query.lastError()), std::nullopt;
    return all;
}

std::optional<QVector<TeamDownload>> TeamDownloads::list()
{
    QSqlQuery query(connection.database());
    if (!select(query, QString(), {}))
        return std::nullopt;
    return rows(query);
}

std::optional<TeamDownload> TeamDownloads::find(const QString &idOrUuid, bool *notFound)
{
    *notFound = false;
    QSqlQuery query(connection.database());
    bool number = false;
    const qint64 id = idOrUuid.toLongLong(&number);
    const QUuid uuid(idOrUuid);
    std::optional<QVector<TeamDownload>> found = QVector<TeamDownload>();
    if (number || !uuid.isNull()) {
        if (!(number ? select(query, QStringLiteral("WHERE id = ?"), {id})
                     : select(query, QStringLiteral("WHERE uuid = ?::uuid"),
                              {uuid.toString(QUuid::WithoutBraces)})))
            return std::nullopt;
        found = rows(query);
    }
    if (!found)
        return std::nullopt;
    if (found->isEmpty()) {
        *notFound = true;
        connection.fail(TeamConnection::Problem::Failed,
                        tr("There is no download %1 in the team archive.",
                           "%1 is the number or identity of a download")
                            .arg(idOrUuid));
        return std::nullopt;
    }
    return found->constFirst();
}

std::optional<QByteArray> TeamDownloads::data(const TeamDownload &download)
{
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!connection.run(query,
                        QStringLiteral("SELECT bytes FROM datalogger.download_data"
                                       " WHERE uuid = ?::uuid"),
                        {download.uuid}))
        return std::nullopt;
    if (!query.next()) {
        connection.fail(
            TeamConnection::Problem::Failed,
            tr("The bytes of download %1 are missing from the team archive.").arg(download.id));
        return std::nullopt;
    }
    QByteArray bytes = query.value(0).toByteArray();
    if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256) != download.sha256) {
        connection.fail(TeamConnection::Problem::Failed,
                        tr("The bytes of download %1 in the team archive do not match their "
                           "SHA-256.")
                            .arg(download.id));
        return std::nullopt;
    }
    if (bytes.isNull())
        bytes = QByteArray("", 0);
    return bytes;
}

bool TeamDownloads::remove(const TeamDownload &download)
{
    QSqlQuery query(connection.database());
    if (!connection.run(query,
                        QStringLiteral("DELETE FROM datalogger.download WHERE uuid = ?::uuid"),
                        {download.uuid}))
        return false;
    if (query.numRowsAffected() != 1)
        return connection.fail(
            TeamConnection::Problem::NoRights,
            tr("Download %1 was sent by %2: only they (or the archive's owner) can delete it.",
               "%1 is a download's number, %2 a user name")
                .arg(download.id)
                .arg(download.engineer));
    return true;
}
