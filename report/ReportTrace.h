#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Where the data of a report came from, so that a reader can find the very bytes again: the
// download's id in the archive or the file it was read from, when it was received, and the
// size and SHA-256 of the bytes as received.
struct ReportTrace
{
    qint64 archiveId = 0;   // the download's id in the archive; 0 when it came from a file
    QString sourceFile;     // the file's name when the data was read from a saved file
    QDateTime downloadedAt; // when the download was received; invalid when not known
    qint64 byteCount = 0;
    QByteArray sha256; // lower-case hex, 64 characters; empty when not known

    // The trace of the bytes as received: their count and SHA-256.
    static ReportTrace of(const QByteArray &received, const QDateTime &downloadedAt,
                          qint64 archiveId = 0, const QString &sourceFile = QString());
};
