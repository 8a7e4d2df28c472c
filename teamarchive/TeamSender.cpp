#include "teamarchive/TeamSender.h"

#include "archive/Archive.h"
#include "archive/ArchiveTeamState.h"
#include "archive/DownloadArchiver.h"
#include "archive/DownloadEndingText.h"
#include "checks/DesignChecks.h"
#include "results/ResultsParser.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QVariant>

namespace {

QVariant optionalInt(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Int);
}

// The values of one download, in the order of a row of incoming (see statement()).
const char *const rowOfValues =
    "(?::integer, ?::uuid, ?::bytea, ?::text, ?::bigint, ?::bigint, ?::bigint, ?::bigint,"
    " ?::text, ?::text, ?::integer, ?::text, ?::bigint, ?::bigint, ?::integer, ?::integer,"
    " ?::integer, ?::boolean, ?::text, ?::bytea)";

// One statement for count downloads, so that they cost one round trip and are either wholly
// there or not at all: each row and its bytes go in unless the server has the UUID already
// (ON CONFLICT DO NOTHING); the answer says, for each download by its place in the batch,
// whether it went in and, when it did not, whether the server's bytes are the same.
QString statement(int count)
{
    QStringList rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows << QLatin1String(rowOfValues);
    return QStringLiteral(
               "WITH incoming (n, uuid, sha256, computer, local_id, started, ended, sent,"
               "  port_name, device_path, read_timeout_ms, ending, byte_count, line_count,"
               "  record_count, pass_count, fail_count, complete, sites, bytes) AS (VALUES %1),"
               " added AS (INSERT INTO datalogger.download (uuid, sha256, computer, local_id,"
               "  started, ended, sent, port_name, device_path, read_timeout_ms, ending,"
               "  byte_count, line_count, record_count, pass_count, fail_count, complete, sites)"
               "  SELECT uuid, sha256, computer, local_id, to_timestamp(started / 1000.0),"
               "  to_timestamp(ended / 1000.0), to_timestamp(sent / 1000.0), port_name,"
               "  device_path, read_timeout_ms, ending, byte_count, line_count, record_count,"
               "  pass_count, fail_count, complete,"
               "  coalesce(string_to_array(nullif(sites, ''), E'\\n'), '{}') FROM incoming"
               "  ORDER BY n ON CONFLICT (uuid) DO NOTHING RETURNING uuid),"
               " stored AS (INSERT INTO datalogger.download_data (uuid, sha256, bytes)"
               "  SELECT i.uuid, i.sha256, i.bytes FROM incoming i JOIN added a USING (uuid))"
               " SELECT i.n, a.uuid IS NOT NULL, d.sha256 = i.sha256 FROM incoming i"
               " LEFT JOIN added a USING (uuid) LEFT JOIN datalogger.download d USING (uuid)")
        .arg(rows.join(QLatin1Char(',')));
}

// Adds the values of download id (its place n in the batch); false (the archive's
// errorString()) when it cannot be read. The sites and counts come from the archive's summary;
// only a download whose results were never read is read here, once, and its summary kept.
bool valuesOf(QVariantList &values, Archive &archive, ArchiveTeamState &state, int n, qint64 id,
              const QString &computer, qint64 *bytes)
{
    std::optional<DownloadSummary> summary = archive.summary(id);
    const std::optional<QByteArray> data = archive.data(id);
    const std::optional<QString> uuid = state.uuid(id);
    if (!summary || !data || !uuid)
        return false;
    *bytes += data->size();
    // The team list shows the same counts as the History.
    if ((!summary->recordCount || !summary->sites) &&
        DownloadArchiver::summarize(archive, id, *data)) {
        if (const auto again = archive.summary(id))
            summary = again;
    }
    const QStringList sites =
        summary->sites ? *summary->sites : DesignChecks::sites(ResultsParser::parse(*data));
    values.append(n);
    values.append(*uuid);
    values.append(QCryptographicHash::hash(*data, QCryptographicHash::Sha256));
    values.append(computer);
    values.append(id);
    values.append(summary->started.toMSecsSinceEpoch());
    values.append(summary->ended.toMSecsSinceEpoch());
    values.append(QDateTime::currentMSecsSinceEpoch());
    values.append(summary->portName);
    values.append(summary->devicePath);
    values.append(summary->readTimeoutMs);
    values.append(DownloadEndingText::name(summary->ending));
    values.append(summary->byteCount);
    values.append(summary->lineCount);
    values.append(optionalInt(summary->recordCount));
    values.append(optionalInt(summary->passCount));
    values.append(optionalInt(summary->failCount));
    values.append(summary->complete ? QVariant(*summary->complete) : QVariant(QVariant::Bool));
    values.append(sites.join(QLatin1Char('\n')));
    values.append(data->isNull() ? QByteArray("", 0) : *data);
    return true;
}

} // namespace

QString TeamSender::computerName()
{
    return QSysInfo::machineHostName();
}

int TeamSender::waitingCount(Archive &archive, const QString &teamId)
{
    const auto ids = ArchiveTeamState(archive).waiting(teamId);
    return ids ? ids->size() : 0;
}

TeamSender::Outcome TeamSender::send(Archive &archive, TeamConnection &connection,
                                     const QString &computer, const std::atomic_bool *stop)
{
    Outcome outcome;
    ArchiveTeamState state(archive);
    const QString teamId = connection.archiveId();
    const std::optional<QVector<qint64>> ids = state.waiting(teamId);
    if (!ids) {
        outcome.localFailed = true;
        outcome.text = archive.errorString();
        return outcome;
    }
    const auto failed = [&](int from) {
        outcome.waiting = ids->size() - from;
        if (outcome.text.isEmpty())
            outcome.text = connection.problemText();
        return outcome;
    };
    const auto localFailed = [&](int from) {
        outcome.localFailed = true;
        outcome.text = archive.errorString();
        return failed(from);
    };

    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    int prepared = 0; // the number of downloads the prepared statement takes
    int next = 0;
    while (next < ids->size()) {
        if (stop && stop->load())
            return failed(next);
        // The batch: as many downloads as it takes, then the statement for their number.
        QVariantList values;
        qint64 bytes = 0;
        int end = next;
        while (end < ids->size() && end - next < batchDownloads && bytes < batchBytes) {
            if (!valuesOf(values, archive, state, end - next, ids->at(end), computer, &bytes))
                return localFailed(next);
            ++end;
        }
        const int count = end - next;
        if (count != prepared) {
            if (!query.prepare(statement(count))) {
                connection.fail(query.lastError());
                return failed(next);
            }
            prepared = count;
        }
        for (const QVariant &value : qAsConst(values))
            query.addBindValue(value);
        if (!query.exec()) {
            connection.fail(query.lastError());
            return failed(next);
        }
        QVector<qint64> arrived;
        QVector<qint64> refused;
        int newly = 0;
        while (query.next()) {
            const int n = query.value(0).toInt();
            if (n < 0 || n >= count)
                continue;
            const qint64 id = ids->at(next + n);
            if (query.value(1).toBool()) {
                arrived.append(id);
                ++newly;
            } else if (query.value(2).isNull()) {
                // Sent by another at this very moment, not yet to be seen: it stays waiting,
                // and the next sync compares.
            } else if (query.value(2).toBool()) {
                arrived.append(id);
            } else {
                refused.append(id);
            }
        }
        if (query.lastError().isValid()) {
            connection.fail(query.lastError());
            return failed(next);
        }
        query.finish();
        outcome.sent += newly;
        outcome.already += arrived.size() - newly;
        // Once the server holds them: a failure here leaves them waiting, and the next sync
        // finds them there.
        if (!state.markSent(arrived, teamId))
            return localFailed(end);
        for (const qint64 id : qAsConst(refused)) {
            state.markRefused(id, teamId,
                              tr("the team archive holds other bytes under this download's "
                                 "identity"));
            ++outcome.refused;
        }
        next = end;
    }
    if (outcome.refused > 0)
        outcome.text = tr("%n download(s) refused: the team archive holds other bytes under "
                          "their identity.",
                          nullptr, outcome.refused);
    return outcome;
}
