#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>

class Archive;

// What the local archive knows of the team archive: each download's UUID (made when it is
// stored) and whether the team archive with a given identity holds it, or refused it and why.
// A download sent to one team archive waits again for another.
class ArchiveTeamState
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveTeamState)

public:
    enum class State { Waiting, Sent, Refused };
    struct Entry
    {
        State state = State::Waiting;
        QString reason; // why it was refused
    };

    explicit ArchiveTeamState(Archive &archive) : archive(archive) {}

    // The downloads the team archive teamId has not got and has not refused, oldest first
    // (teamId empty: those sent to no team archive);
    // nothing when the archive cannot be read (errorString()).
    std::optional<QVector<qint64>> waiting(const QString &teamId);
    // The UUID of download id, as text.
    std::optional<QString> uuid(qint64 id);
    bool markSent(const QVector<qint64> &ids, const QString &teamId);
    bool markRefused(qint64 id, const QString &teamId, const QString &reason);
    // Every download's state, as the History shows it: the team archive it was last sent to
    // (or refused by) is the one meant.
    QHash<qint64, Entry> states();

    QString errorString() const;

private:
    Archive &archive;
};
