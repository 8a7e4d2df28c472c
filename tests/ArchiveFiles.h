#pragma once

#include "archive/ArchivedDownload.h"

#include <QByteArray>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace TestSupport {

// A download from the port, 4.321 s long at a read time-out of 110 ms.
inline ArchivedDownload downloadOf(const QByteArray &data,
                                   const QString &port = QStringLiteral("ttyUSB0"),
                                   qint64 startedMs = 1700000000000,
                                   DownloadEnding ending = DownloadEnding::Silence)
{
    ArchivedDownload download;
    download.started = QDateTime::fromMSecsSinceEpoch(startedMs, Qt::UTC);
    download.ended = download.started.addMSecs(4321);
    download.portName = port;
    download.devicePath = QStringLiteral("/dev/") + port;
    download.readTimeoutMs = 110;
    download.ending = ending;
    download.data = data;
    return download;
}

inline QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// The test's own connection, for what the archive does not offer.
struct RawConnection
{
    explicit RawConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawConnection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant value(const QString &sql) // the first field of the answer; none on failure
    {
        QSqlQuery query(QSqlDatabase::database(name, false));
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
    bool exec(const QString &sql)
    {
        return QSqlQuery(QSqlDatabase::database(name, false)).exec(sql);
    }
    const QString name = QStringLiteral("raw");
};

// The first page of the table in a closed archive (no write-ahead log beside it) overwritten
// with random bytes, as a bad sector would; false when that could not be done.
inline bool overwriteTablePage(const QString &path, const QString &table, quint32 seed)
{
    const int page =
        RawConnection(path)
            .value(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name='%1'").arg(table))
            .toInt();
    QFile file(path);
    return page > 1 && !QFileInfo::exists(path + QStringLiteral("-wal")) &&
           file.open(QIODevice::ReadWrite) && file.seek(qint64(page - 1) * 4096) &&
           file.write(randomBytes(4096, seed)) == 4096;
}

// Every file and folder below the folder, hidden ones too, sorted.
inline QStringList entriesUnder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    found.sort();
    return found;
}

} // namespace TestSupport
