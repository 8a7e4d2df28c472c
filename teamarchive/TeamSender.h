#pragma once

#include "teamarchive/TeamConnection.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>

class Archive;

// Sends the local archive's downloads that the team archive lacks: each with its UUID, its
// bytes and their SHA-256, a few at a time in one statement (one round trip), so a download is
// either wholly there or not at all. Sending again is harmless: a download the server has already
// is taken as sent; the same UUID with other bytes is refused, noted against the download and never
// overwritten.
class TeamSender
{
    Q_DECLARE_TR_FUNCTIONS(TeamSender)

public:
    struct Outcome
    {
        int sent = 0;    // newly in the team archive
        int already = 0; // the server had them
        int refused = 0; // the server holds other bytes under their UUID
        int waiting = 0; // still to send (after a failure)
        bool localFailed = false;
        QString text; // what went wrong, for the user; empty when all went
        bool complete() const { return text.isEmpty(); }
    };

    // The downloads of one statement: at most this many, or this many bytes.
    static constexpr int batchDownloads = 50;
    static constexpr qint64 batchBytes = 8 * 1024 * 1024;

    // The number of downloads of the archive that wait for the connection's team archive.
    static int waitingCount(Archive &archive, const QString &teamId);
    // Sends what waits over an open() connection; stops between transactions once stop is
    // set. computer names this laptop in the team archive.
    static Outcome send(Archive &archive, TeamConnection &connection, const QString &computer,
                        const std::atomic_bool *stop = nullptr);
    // This computer's name as the team archive records it.
    static QString computerName();
};
