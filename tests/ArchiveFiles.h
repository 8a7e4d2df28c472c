#pragma once

#include "archive/ArchivedDownload.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

// Archive files for the tests: a download to store, random bytes from a seed, the test's own
// connection for what the archive does not offer, a table's page overwritten as a bad sector
// would, and every name under a folder (to see that nothing was made, moved or left).
namespace TestSupport {

// A download from the port, 4.321 s long at a read time-out of 110 ms.
ArchivedDownload downloadOf(const QByteArray &data, const QString &port = QStringLiteral("ttyUSB0"),
                            qint64 startedMs = 1700000000000,
                            DownloadEnding ending = DownloadEnding::Silence);

QByteArray randomBytes(int size, quint32 seed);

struct RawConnection
{
    explicit RawConnection(const QString &path);
    ~RawConnection();
    QVariant value(const QString &sql); // the first field of the answer; none on failure
    bool exec(const QString &sql);
    const QString name = QStringLiteral("raw");
};

// The first page of the table in a closed archive (no write-ahead log beside it) overwritten
// with random bytes; false when that could not be done.
bool overwriteTablePage(const QString &path, const QString &table, quint32 seed);

// Every file and folder below the folder, hidden ones too, sorted.
QStringList entriesUnder(const QString &folder);

} // namespace TestSupport
