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

struct Prepared
{
    QSqlQuery download, data, digest;
    explicit Prepared(const QSqlDatabase &db) : download(db), data(db), digest(db) {}
};

QVariant optionalInt(const std::optional<int> &value)
{
    return value ? QVariant(*value) : QVariant(QVariant::Int);
}

// One download into the open transaction: 1 sent, 0 the server had it, -1 refused (other
// bytes under its UUID), -2 failed (the connection's problem()).
int sendOne(Archive &archive, ArchiveTeamState &state, TeamConnection &connection, Prepared &sql,
            qint64 id, const QString &computer, qint64 *bytes)
{
    std::optional<DownloadSummary> summary = archive.summary(id);
    const std::optional<QByteArray> data = archive.data(id);
    const std::optional<QString> uuid = state.uuid(id);
    if (!summary || !data || !uuid)
        return connection.fail(TeamConnection::Problem::Failed, archive.errorString()), -2;
    *bytes += data->size();
    const ResultTable table = ResultsParser::parse(*data);
    // The team list shows the same counts as the History.
    if (!summary->recordCount && DownloadArchiver::summarize(archive, id, *data)) {
        if (const auto again = archive.summary(id))
            summary = again;
    }
    const QByteArray sha = QCryptographicHash::hash(*data, QCryptographicHash::Sha256);
    sql.download.addBindValue(*uuid);
    sql.download.addBindValue(sha);
    sql.download.addBindValue(computer);
    sql.download.addBindValue(id);
    sql.download.addBindValue(summary->started.toMSecsSinceEpoch());
    sql.download.addBindValue(summary->ended.toMSecsSinceEpoch());
    sql.download.addBindValue(QDateTime::currentMSecsSinceEpoch());
    sql.download.addBindValue(summary->portName);
    sql.download.addBindValue(summary->devicePath);
    sql.download.addBindValue(summary->readTimeoutMs);
    sql.download.addBindValue(DownloadEndingText::name(summary->ending));
    sql.download.addBindValue(summary->byteCount);
    sql.download.addBindValue(summary->lineCount);
    sql.download.addBindValue(optionalInt(summary->recordCount));
    sql.download.addBindValue(optionalInt(summary->passCount));
    sql.download.addBindValue(optionalInt(summary->failCount));
    sql.download.addBindValue(summary->complete ? QVariant(*summary->complete)
                                                : QVariant(QVariant::Bool));
    sql.download.addBindValue(DesignChecks::sites(table).join(QLatin1Char('\n')));
    if (!sql.download.exec())
        return connection.fail(sql.download.lastError()), -2;
    if (sql.download.next()) {
        sql.download.finish();
        sql.data.addBindValue(*uuid);
        sql.data.addBindValue(sha);
        sql.data.addBindValue(data->isNull() ? QByteArray("", 0) : *data);
        if (!sql.data.exec())
            return connection.fail(sql.data.lastError()), -2;
        return 1;
    }
    sql.digest.addBindValue(*uuid);
    if (!sql.digest.exec() || !sql.digest.next())
        return connection.fail(sql.digest.lastError()), -2;
    const bool same = sql.digest.value(0).toByteArray() == sha;
    sql.digest.finish();
    return same ? 0 : -1;
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
    QSqlDatabase db = connection.database();
    Prepared sql(db);
    sql.download.setForwardOnly(true);
    sql.digest.setForwardOnly(true);
    const auto failed = [&](int from) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        outcome.waiting = ids->size() - from;
        if (outcome.text.isEmpty())
            outcome.text = connection.problemText();
        return outcome;
    };
    if (!sql.download.prepare(QStringLiteral(
            "INSERT INTO datalogger.download (uuid, sha256, computer, local_id, started, ended,"
            " sent, port_name, device_path, read_timeout_ms, ending, byte_count, line_count,"
            " record_count, pass_count, fail_count, complete, sites) VALUES (?::uuid, ?, ?, ?,"
            " to_timestamp(?::bigint / 1000.0), to_timestamp(?::bigint / 1000.0),"
            " to_timestamp(?::bigint / 1000.0), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
            " coalesce(string_to_array(nullif(?::text, ''), E'\\n'), '{}'))"
            " ON CONFLICT (uuid) DO NOTHING RETURNING id")) ||
        !sql.data.prepare(QStringLiteral("INSERT INTO datalogger.download_data (uuid, sha256,"
                                         " bytes) VALUES (?::uuid, ?, ?)")) ||
        !sql.digest.prepare(
            QStringLiteral("SELECT sha256 FROM datalogger.download WHERE uuid = ?::uuid"))) {
        connection.fail(sql.download.lastError().isValid() ? sql.download.lastError()
                        : sql.data.lastError().isValid()   ? sql.data.lastError()
                                                           : sql.digest.lastError());
        return failed(0);
    }

    int next = 0;
    while (next < ids->size()) {
        if (stop && stop->load())
            return failed(next);
        QSqlQuery transaction(db);
        if (!transaction.exec(QStringLiteral("BEGIN"))) {
            connection.fail(transaction.lastError());
            return failed(next);
        }
        QVector<qint64> arrived;
        QVector<qint64> refused;
        qint64 bytes = 0;
        int newly = 0;
        int end = next;
        while (end < ids->size() && end - next < batchDownloads && bytes < batchBytes) {
            const qint64 id = ids->at(end);
            const int result = sendOne(archive, state, connection, sql, id, computer, &bytes);
            if (result == -2)
                return failed(next);
            if (result == -1)
                refused.append(id);
            else
                arrived.append(id);
            newly += result == 1;
            ++end;
        }
        if (!transaction.exec(QStringLiteral("COMMIT"))) {
            connection.fail(transaction.lastError());
            return failed(next);
        }
        outcome.sent += newly;
        outcome.already += arrived.size() - newly;
        // Once the server holds them: a failure here leaves them waiting, and the next sync
        // finds them there.
        if (!state.markSent(arrived, teamId)) {
            outcome.localFailed = true;
            outcome.text = archive.errorString();
            return failed(end);
        }
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
