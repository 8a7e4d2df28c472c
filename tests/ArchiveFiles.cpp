#include "ArchiveFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace TestSupport {

ArchivedDownload downloadOf(const QByteArray &data, const QString &port, qint64 startedMs,
                            DownloadEnding ending)
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

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

RawConnection::RawConnection(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.open();
}

RawConnection::~RawConnection()
{
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QVariant RawConnection::value(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(name, false));
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

bool RawConnection::exec(const QString &sql)
{
    return QSqlQuery(QSqlDatabase::database(name, false)).exec(sql);
}

bool overwriteTablePage(const QString &path, const QString &table, quint32 seed)
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

QStringList entriesUnder(const QString &folder)
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
