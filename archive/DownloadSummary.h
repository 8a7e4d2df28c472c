#pragma once

#include "archive/ArchivedDownload.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// What the archive tells about one download without reading its bytes: a row of the
// history list.
struct DownloadSummary
{
    qint64 id = 0;
    QDateTime started; // UTC
    QDateTime ended;   // UTC
    QString portName;
    QString devicePath;
    int readTimeoutMs = 0;
    DownloadEnding ending = DownloadEnding::Silence;
    qint64 byteCount = 0;
    qint64 lineCount = 0;

    // The most recent save, when there was one: lastSavedPath is empty for a download never
    // saved.
    QString lastSavedPath;
    QDateTime lastSavedAt; // UTC; invalid when never saved
    int saveCount = 0;

    // What the results view found in the data, once it has looked.
    std::optional<int> recordCount;
    std::optional<int> passCount;
    std::optional<int> failCount;
    std::optional<bool> complete;
    // The site names in its results, each once in the order they first appear (empty when they
    // name none); nothing while they have not been read.
    std::optional<QStringList> sites;
};
