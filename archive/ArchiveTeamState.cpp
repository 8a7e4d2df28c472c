#include "archive/ArchiveTeamState.h"

#include "archive/Archive.h"

#include <QSqlQuery>
#include <QVariant>

std::optional<QVector<qint64>> ArchiveTeamState::waiting(const QString &teamId)
{
    QSqlQuery query(archive.database());
    query.setForwardOnly(true);
    if (!archive.run(query,
                     QStringLiteral("SELECT id FROM download WHERE team_archive IS NULL"
                                    " OR (? <> '' AND team_archive <> ?) ORDER BY started_ms, id"),
                     {teamId, teamId}))
        return std::nullopt;
    QVector<qint64> ids;
    while (query.next())
        ids.append(query.value(0).toLongLong());
    return ids;
}

std::optional<QString> ArchiveTeamState::uuid(qint64 id)
{
    QSqlQuery query(archive.database());
    if (!archive.run(query, QStringLiteral("SELECT uuid FROM download WHERE id = ?"), {id}))
        return std::nullopt;
    if (!query.next()) {
        archive.fail(
            QCoreApplication::translate("Archive", "There is no download %1 in the archive.")
                .arg(id));
        return std::nullopt;
    }
    return query.value(0).toString();
}

bool ArchiveTeamState::markSent(const QVector<qint64> &ids, const QString &teamId)
{
    QSqlQuery query(archive.database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return archive.fail(query);
    const auto rollBack = [&] {
        archive.fail(query);
        QSqlQuery(archive.database()).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // Prepared once for the whole batch.
    if (!query.prepare(QStringLiteral("UPDATE download SET team_archive = ?, team_refused = NULL"
                                      " WHERE id = ?")))
        return rollBack();
    for (const qint64 id : ids) {
        query.addBindValue(teamId);
        query.addBindValue(id);
        if (!query.exec())
            return rollBack();
    }
    return query.exec(QStringLiteral("COMMIT")) || archive.fail(query);
}

bool ArchiveTeamState::markRefused(qint64 id, const QString &teamId, const QString &reason)
{
    QSqlQuery query(archive.database());
    return archive.run(
        query,
        QStringLiteral("UPDATE download SET team_archive = ?, team_refused = ? WHERE id = ?"),
        {teamId, reason, id});
}

QHash<qint64, ArchiveTeamState::Entry> ArchiveTeamState::states()
{
    QHash<qint64, Entry> all;
    QSqlQuery query(archive.database());
    query.setForwardOnly(true);
    if (!archive.run(query,
                     QStringLiteral("SELECT id, team_archive IS NOT NULL, team_refused"
                                    " FROM download"),
                     {}))
        return all;
    while (query.next()) {
        Entry entry;
        entry.reason = query.value(2).toString();
        entry.state = !query.value(1).toBool()  ? State::Waiting
                      : query.value(2).isNull() ? State::Sent
                                                : State::Refused;
        all.insert(query.value(0).toLongLong(), entry);
    }
    return all;
}

QString ArchiveTeamState::errorString() const
{
    return archive.errorString();
}
