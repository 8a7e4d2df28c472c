#pragma once

#include "archive/ArchivedDownload.h"

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <optional>

// One download in the team archive, without its bytes: a row of the Team view and of
// --list-downloads --team.
struct TeamDownload
{
    qint64 id = 0;      // the team archive's number, for the user
    QString uuid;       // made when the laptop stored it
    QString engineer;   // the user who sent it
    QString computer;   // the laptop it came from
    qint64 localId = 0; // its number in that laptop's archive
    QDateTime started;  // UTC, by the laptop's clock
    QDateTime ended;
    QDateTime sent;    // UTC, by the laptop's clock
    QDateTime arrived; // UTC, by the server's clock
    QString portName;
    QString devicePath;
    int readTimeoutMs = 0;
    DownloadEnding ending = DownloadEnding::Silence;
    qint64 byteCount = 0;
    qint64 lineCount = 0;
    std::optional<int> recordCount;
    std::optional<int> passCount;
    std::optional<int> failCount;
    std::optional<bool> complete;
    QStringList sites;
    QByteArray sha256;
};

Q_DECLARE_METATYPE(TeamDownload)
