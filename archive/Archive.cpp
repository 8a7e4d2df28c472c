#include "archive/Archive.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <cerrno>
#include <cstdio>

// How the file is checked when it is opened. A full integrity check reads every page,
// which takes seconds for an archive of many large downloads, on every start of the
// program. Instead:
//  - the first 100 bytes must be an SQLite header with a valid page size and, when no
//    write-ahead log is pending, the file must hold whole pages, as many as the header
//    says (a truncated copy, random bytes or another kind of file fails here);
//  - the header's user version must be one this program knows;
//  - the schema must be readable and hold our tables, and the newest download must be
//    found: SQLite answers SQLITE_CORRUPT or SQLITE_NOTADB when the pages it needs for
//    that are damaged.
// Damage deeper in the file shows as a failing read or store later, with SQLite's words.

namespace {

const char *const connectionPrefix = "ml_archive_";

QString noSuchDownload(qint64 id)
{
    return QCoreApplication::translate("Archive", "There is no download %1 in the archive.")
        .arg(id);
}
QAtomicInt connectionCount;

// SQLite's primary result codes that matter here.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, Full = 13, NotADb = 26 };

int sqliteCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

bool isDamage(const QSqlError &error)
{
    const int code = sqliteCode(error);
    return code == Corrupt || code == NotADb;
}

// The layout of the file, one step per version from the first on. Each step runs in a
// transaction of its own and ends by setting PRAGMA user_version to its version. Add a new
// step at the end; never change one that has been released.
//
// Times are milliseconds since 1970-01-01 UTC. The bytes of a download live in a table of
// their own, so that listing downloads never reads a page of them.
struct MigrationStep
{
    int version;
    QStringList statements;
};

// A random (version 4) UUID made by SQLite, in its usual text form.
QString newUuidSql()
{
    return QStringLiteral(
        "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' ||"
        " substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + (abs(random()) % 4), 1) ||"
        " substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))");
}

const QVector<MigrationStep> &migrationSteps()
{
    static const QVector<MigrationStep> steps = {
        {1,
         {QStringLiteral("CREATE TABLE download ("
                         " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                         " started_ms INTEGER NOT NULL,"
                         " ended_ms INTEGER NOT NULL,"
                         " port_name TEXT NOT NULL,"
                         " device_path TEXT NOT NULL,"
                         " read_timeout_ms INTEGER NOT NULL,"
                         " ending TEXT NOT NULL," // silence, line-lost, cancelled, interrupted
                         " byte_count INTEGER NOT NULL,"
                         " line_count INTEGER NOT NULL,"
                         " record_count INTEGER," // the results view's findings, when known
                         " pass_count INTEGER,"
                         " fail_count INTEGER,"
                         " complete INTEGER)"),
          QStringLiteral("CREATE INDEX download_by_start ON download(started_ms)"),
          QStringLiteral("CREATE TABLE download_data ("
                         " download_id INTEGER PRIMARY KEY"
                         "  REFERENCES download(id) ON DELETE CASCADE,"
                         " bytes BLOB NOT NULL)"),
          QStringLiteral("CREATE TABLE save ("
                         " id INTEGER PRIMARY KEY,"
                         " download_id INTEGER NOT NULL REFERENCES download(id) ON DELETE CASCADE,"
                         " path TEXT NOT NULL,"
                         " european INTEGER NOT NULL,"
                         " saved_ms INTEGER NOT NULL)"),
          QStringLiteral("CREATE INDEX save_by_download ON save(download_id, saved_ms)")}},
        // The designs of the sites, as their JSON files, one per site name.
        {2,
         {QStringLiteral("CREATE TABLE design ("
                         " site TEXT PRIMARY KEY,"
                         " json BLOB NOT NULL,"
                         " saved_ms INTEGER NOT NULL)")}},
        // The team archive: each download's own identity, made when it is stored (the trigger
        // gives one to every new row, the update to the rows kept before), which team archive
        // holds it and why one refused it (ArchiveTeamState.cpp reads and writes these).
        {3,
         {QStringLiteral("ALTER TABLE download ADD COLUMN uuid TEXT"),
          QStringLiteral("ALTER TABLE download ADD COLUMN team_archive TEXT"),
          QStringLiteral("ALTER TABLE download ADD COLUMN team_refused TEXT"),
          QStringLiteral("UPDATE download SET uuid = %1").arg(newUuidSql()),
          QStringLiteral("CREATE TRIGGER download_uuid AFTER INSERT ON download"
                         " WHEN NEW.uuid IS NULL BEGIN"
                         " UPDATE download SET uuid = %1 WHERE id = NEW.id; END")
              .arg(newUuidSql()),
          QStringLiteral("CREATE UNIQUE INDEX download_by_uuid ON download(uuid)")}},
        // The site names the results of a download name, one per line in the order they first
        // appear, kept with its summary so that sending it to the team archive needs no second
        // reading; no row while its results have not been read.
        {4,
         {QStringLiteral("CREATE TABLE IF NOT EXISTS download_sites ("
                         " download_id INTEGER PRIMARY KEY"
                         "  REFERENCES download(id) ON DELETE CASCADE,"
                         " names TEXT NOT NULL)")}},
    };
    return steps;
}

const char *endingName(DownloadEnding ending)
{
    switch (ending) {
    case DownloadEnding::Silence:
        return "silence";
    case DownloadEnding::LineLost:
        return "line-lost";
    case DownloadEnding::Cancelled:
        return "cancelled";
    case DownloadEnding::Interrupted:
        break;
    }
    return "interrupted";
}

DownloadEnding endingFrom(const QString &name)
{
    for (DownloadEnding ending : {DownloadEnding::Silence, DownloadEnding::LineLost,
                                  DownloadEnding::Cancelled, DownloadEnding::Interrupted}) {
        if (name == QLatin1String(endingName(ending)))
            return ending;
    }
    return DownloadEnding::Interrupted;
}

qint64 msOf(const QDateTime &time)
{
    return time.toMSecsSinceEpoch();
}

QDateTime utcOf(const QVariant &ms)
{
    return ms.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms.toLongLong(), Qt::UTC);
}

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData()) + at;
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

// Whether pages wait in the write-ahead log beside the file, not yet in the file itself.
bool hasLog(const QString &path)
{
    const QFileInfo log(path + QLatin1String("-wal"));
    return log.exists() && log.size() > 0;
}

// Whether SQLite may write beside the file (its log files): the file and its folder writable.
bool mayWrite(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

enum class Header { Plausible, NotSqlite, Damaged };

// What the first bytes of the regular file at path say (see the top of this file). An empty
// file is a new database; a file that cannot be read is left to SQLite to report.
Header headerOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Header::Plausible;
    const qint64 size = file.size();
    if (size == 0)
        return Header::Plausible;
    const QByteArray header = file.read(100);
    const QByteArray magic("SQLite format 3\0", 16);
    if (!header.startsWith(magic))
        return magic.startsWith(header) ? Header::Damaged : Header::NotSqlite;
    if (header.size() < 100)
        return Header::Damaged;
    quint32 pageSize = quint32(uchar(header[16])) << 8 | uchar(header[17]);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return Header::Damaged;
    if (hasLog(path))
        return Header::Plausible;
    if (size % pageSize != 0)
        return Header::Damaged;
    const quint32 pages = bigEndian32(header, 28);
    const bool pagesValid = bigEndian32(header, 24) == bigEndian32(header, 92);
    return pagesValid && pages != 0 && qint64(pages) * pageSize > size ? Header::Damaged
                                                                       : Header::Plausible;
}

// Renames without copying: a damaged archive may be large, and a copy that cannot be
// removed again would leave two.
bool renamePath(const QString &from, const QString &to, QString *why)
{
#ifdef Q_OS_WIN
    const bool ok = QDir().rename(from, to);
    if (!ok)
        *why = QCoreApplication::translate("Archive", "the system refused");
    return ok;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *why = qt_error_string(errno);
    return false;
#endif
}

// Creates the folder and any missing folder above it, each readable by the user only.
bool makeFolder(const QString &folder, QString *why)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink()) {
        *why = QCoreApplication::translate("Archive", "%1 is not a folder")
                   .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString parent = info.absolutePath();
    if (parent != info.absoluteFilePath() && !makeFolder(parent, why))
        return false;
    if (!QDir().mkdir(folder) && !QFileInfo(folder).isDir()) {
        *why = QCoreApplication::translate("Archive", "the folder %1 cannot be created")
                   .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

} // namespace

const int Archive::schemaVersion = 4;

QString Archive::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QLatin1String("/archive.sqlite");
}

Archive::Archive()
    : connectionName(QLatin1String(connectionPrefix) +
                     QString::number(connectionCount.fetchAndAddRelaxed(1)))
{
}

Archive::~Archive()
{
    closeConnection();
}

QSqlDatabase Archive::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool Archive::isOpen() const
{
    return opened;
}

QString Archive::takeNotice()
{
    QString notice;
    notice.swap(pendingNotice);
    return notice;
}

void Archive::closeConnection()
{
    opened = false;
    if (!QSqlDatabase::contains(connectionName))
        return;
    database().close();
    QSqlDatabase::removeDatabase(connectionName);
}

bool Archive::fail(const QString &reason)
{
    lastError = reason;
    wasNotFound = false;
    return false;
}

bool Archive::refuse(const QString &reason)
{
    wasRefused = true;
    return fail(reason);
}

bool Archive::missing(qint64 id)
{
    fail(noSuchDownload(id));
    wasNotFound = true;
    return false;
}

bool Archive::fail(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    switch (sqliteCode(error)) {
    case Full:
        return fail(QCoreApplication::translate("Archive", "the disk is full"));
    case Busy:
    case Locked: {
        const int seconds = qMax(1, (busyTimeoutMs + 500) / 1000);
        return fail(QCoreApplication::translate(
            "Archive", "another program kept the archive busy for more than %n second(s)", nullptr,
            seconds));
    }
    case ReadOnly:
        return fail(QCoreApplication::translate("Archive", "the archive cannot be written"));
    default:
        break;
    }
    return fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

bool Archive::open(const QString &path, Mode mode)
{
    closeConnection();
    filePath = path;
    pendingNotice.clear();
    movedAside.clear();
    lastError.clear();
    wasRefused = false;
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto cannotOpen = [&](const QString &why) {
        return fail(QCoreApplication::translate("Archive", "The archive %1 cannot be opened: %2")
                        .arg(shownPath, why));
    };

    const auto finished = qScopeGuard([this] {
        openError = opened ? QString() : lastError;
        if (!opened)
            closeConnection();
    });

    // Only a regular file is opened: SQLite would wait for ever on a FIFO and leave its
    // journal beside a device.
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return refuse(
            QCoreApplication::translate("Archive",
                                        "%1 is a link to %2, which does not exist; nothing was "
                                        "changed",
                                        "%1 and %2 are paths")
                .arg(shownPath, QDir::toNativeSeparators(info.symLinkTarget())));
    const bool creates = mode == Mode::Create || mode == Mode::Own;
    if (!info.exists() && !creates)
        return refuse(
            QCoreApplication::translate("Archive", "There is no archive at %1.", "%1 is a path")
                .arg(shownPath));
    QString why;
    if (creates && !makeFolder(info.absolutePath(), &why))
        return cannotOpen(why);

    OpenResult result = OpenResult::NotOurs;
    if (!info.exists() || info.isFile()) {
        const Header header = headerOf(path);
        result = header == Header::NotSqlite ? OpenResult::NotOurs
                 : header == Header::Damaged ? OpenResult::Damaged
                                             : openConnection(mode);
        if (result == OpenResult::Failed)
            return cannotOpen(lastError);
        if (result == OpenResult::Ok)
            return opened = true;
    }
    closeConnection();

    if (mode != Mode::Own) {
        switch (result) {
        case OpenResult::Newer:
            return refuse(QCoreApplication::translate(
                              "Archive",
                              "%1 was written by a newer version of this program; nothing was "
                              "changed",
                              "%1 is a path")
                              .arg(shownPath));
        case OpenResult::Damaged:
            return refuse(
                lastError.isEmpty()
                    ? QCoreApplication::translate("Archive", "%1 is damaged; nothing was changed",
                                                  "%1 is the archive's path")
                          .arg(shownPath)
                    : QCoreApplication::translate("Archive",
                                                  "%1 is damaged (%2); nothing was changed",
                                                  "%1 is the archive's path, %2 SQLite's words")
                          .arg(shownPath, lastError));
        default:
            return refuse(QCoreApplication::translate(
                              "Archive",
                              "%1 is not an archive of this program; nothing was changed",
                              "%1 is a path")
                              .arg(shownPath));
        }
    }

    if (!moveAside(result == OpenResult::Newer
                       ? QCoreApplication::translate(
                             "Archive",
                             "The archive %1 was written by a newer version of this program. It "
                             "was moved aside as %2 and a new archive was started.")
                       : QCoreApplication::translate(
                             "Archive",
                             "The archive %1 was damaged. It was moved aside as %2 and a new "
                             "archive was started.")))
        // The notice says it all; the reason only names the archive.
        return cannotOpen(QCoreApplication::translate("Archive", "it is damaged"));
    result = openConnection(mode);
    if (result != OpenResult::Ok)
        return cannotOpen(result == OpenResult::Failed
                              ? lastError
                              : QCoreApplication::translate("Archive", "it is damaged"));
    return opened = true;
}

bool Archive::moveAside(const QString &notice)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = filePath + QLatin1String(".damaged-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);

    QString why;
    bool moved = renamePath(filePath, target, &why);
    // A log left beside the damaged file would be taken for the new archive's.
    const QString log = filePath + QLatin1String("-wal");
    if (moved && QFileInfo::exists(log))
        moved = renamePath(log, target + QLatin1String("-wal"), &why);
    if (!moved) {
        pendingNotice =
            QCoreApplication::translate(
                "Archive", "The archive %1 is damaged and could not be moved aside (%2). It was "
                           "left as it is, and downloads are not archived until it is moved or "
                           "deleted.")
                .arg(QDir::toNativeSeparators(filePath), why);
        return false;
    }
    QFile::remove(filePath + QLatin1String("-shm"));
    movedAside = target;
    pendingNotice =
        notice.arg(QDir::toNativeSeparators(filePath), QDir::toNativeSeparators(target));
    return true;
}

Archive::OpenResult Archive::openConnection(Mode mode)
{
    closeConnection();
    const bool reading = mode == Mode::Read;
    // Created here rather than by SQLite, so that it is the user's alone from the start.
    if (!reading && !QFileInfo::exists(filePath)) {
        QFile file(filePath);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        else if (!QFileInfo::exists(filePath))
            return fail(file.errorString()), OpenResult::Failed;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    if (!db.isValid())
        return fail(QCoreApplication::translate("Archive",
                                                "the SQLite driver of Qt SQL is not installed")),
               OpenResult::Failed;
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    db.setDatabaseName(filePath);
    // A reader where SQLite cannot create its log files (a read-only file or folder) reads the
    // file as it is; SQLite's read-only mode would want to create them and, where it can,
    // leave them behind. Where it may write, an ordinary connection (made read-only below)
    // removes them again when it closes.
    if (reading && !mayWrite(filePath)) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        if (!hasLog(filePath)) {
            options += QStringLiteral(";QSQLITE_OPEN_URI");
            db.setDatabaseName(QString::fromLatin1(
                QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toEncoded() +
                "?immutable=1"));
        }
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
        return isDamage(error) ? OpenResult::Damaged : OpenResult::Failed;
    }

    QSqlQuery query(db);
    const auto failed = [&] {
        fail(query);
        return isDamage(query.lastError()) ? OpenResult::Damaged : OpenResult::Failed;
    };
    const OpenResult layout = checkLayout(query, mode);
    if (layout != OpenResult::Ok)
        return layout;
    if (reading) {
        if (!query.exec(QStringLiteral("PRAGMA query_only=ON")))
            return failed();
    } else {
        if (!switchToLog(query) || !query.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
            !query.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
            return failed();
        query.finish();
        bool damaged = false;
        if (!migrate(&damaged))
            return damaged ? OpenResult::Damaged : OpenResult::Failed;
        hasDesigns = hasSites = true;
    }
    if (!query.exec(QStringLiteral("SELECT max(id) FROM download")) || !query.next())
        return failed();
    if (reading)
        return OpenResult::Ok;
    // A store writes the download once, to the log; copying it into the file waits for
    // checkpoint(), the next open or the last connection's close, so that it does not
    // delay what follows the download.
    query.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
    query.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    return OpenResult::Ok;
}

Archive::OpenResult Archive::checkLayout(QSqlQuery &query, Mode mode)
{
    // The version and the tables in one statement, so both come from the same moment: another
    // of our programs may be creating this archive right now, and its first tables and
    // version arrive together. Nothing is written before the file is known to be ours.
    if (!query.exec(QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version),"
                                   " (SELECT group_concat(name, ',') FROM sqlite_master"
                                   "  WHERE type = 'table')")) ||
        !query.next()) {
        fail(query);
        return isDamage(query.lastError()) ? OpenResult::Damaged : OpenResult::Failed;
    }
    const int version = query.value(0).toInt();
    const QStringList tables = query.value(1).toString().split(QLatin1Char(','));
    query.finish();
    if (version > schemaVersion)
        return OpenResult::Newer;
    if (version == 0) {
        // A new file; another program's database is not ours to build on.
        if (!tables.constFirst().isEmpty() || mode == Mode::Read || mode == Mode::Change)
            return OpenResult::NotOurs;
        // Deleted downloads give their pages back to the file system; this can only be set
        // before the first table.
        if (!query.exec(QStringLiteral("PRAGMA auto_vacuum=INCREMENTAL"))) {
            fail(query);
            return OpenResult::Failed;
        }
        return OpenResult::Ok;
    }
    for (const char *table : {"download", "download_data", "save"}) {
        if (!tables.contains(QLatin1String(table)))
            return OpenResult::NotOurs;
    }
    hasDesigns = tables.contains(QLatin1String("design"));
    hasSites = tables.contains(QLatin1String("download_sites"));
    return version < 0 || (version >= 2 && !hasDesigns) ? OpenResult::NotOurs : OpenResult::Ok;
}

// Switching to the write-ahead log takes the file for a moment; while another program
// creating or bringing up the same archive holds it, SQLite answers "busy" at once instead of
// waiting the busy time-out. So the switch is tried again for as long as that time-out.
bool Archive::switchToLog(QSqlQuery &query)
{
    QElapsedTimer clock;
    clock.start();
    while (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
        const int code = sqliteCode(query.lastError());
        if ((code != Busy && code != Locked) || clock.elapsed() >= busyTimeoutMs)
            return false;
        QThread::msleep(10);
    }
    query.finish();
    return true;
}

bool Archive::migrate(bool *damaged)
{
    QSqlQuery query(database());
    const auto rollBack = [&] {
        fail(query);
        *damaged = isDamage(query.lastError());
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        *damaged = isDamage(query.lastError());
        return fail(query);
    }
    const int version = query.value(0).toInt();
    for (const MigrationStep &step : migrationSteps()) {
        // Up to date needs no write: another program may be writing for a while.
        if (version >= step.version)
            continue;
        // Another program may be bringing the same file up to date: look again once the
        // file is ours to write.
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            *damaged = isDamage(query.lastError());
            return fail(query);
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return rollBack();
        if (query.value(0).toInt() >= step.version) {
            if (!query.exec(QStringLiteral("COMMIT")))
                return rollBack();
            continue;
        }
        for (const QString &statement : step.statements) {
            if (!query.exec(statement))
                return rollBack();
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version=%1").arg(step.version)) ||
            !query.exec(QStringLiteral("COMMIT")))
            return rollBack();
    }
    return true;
}

std::optional<qint64> Archive::store(const ArchivedDownload &download)
{
    const auto notArchived = [&] {
        lastError = QCoreApplication::translate("Archive", "This download was not archived: %1")
                        .arg(lastError);
        return std::nullopt;
    };
    if (!opened) {
        lastError = openError.isEmpty()
                        ? QCoreApplication::translate("Archive", "the archive is not open")
                        : openError;
        return notArchived();
    }
    QSqlDatabase db = database();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(query);
        return notArchived();
    }
    const auto rollBack = [&] {
        fail(query);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return notArchived();
    };
    if (!query.prepare(QStringLiteral(
            "INSERT INTO download (started_ms, ended_ms, port_name, device_path, read_timeout_ms,"
            " ending, byte_count, line_count) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        return rollBack();
    query.addBindValue(msOf(download.started));
    query.addBindValue(msOf(download.ended));
    query.addBindValue(download.portName.isNull() ? QString(QLatin1String("")) : download.portName);
    query.addBindValue(download.devicePath.isNull() ? QString(QLatin1String(""))
                                                    : download.devicePath);
    query.addBindValue(download.readTimeoutMs);
    query.addBindValue(QString::fromLatin1(endingName(download.ending)));
    query.addBindValue(qint64(download.data.size()));
    query.addBindValue(ArchivedDownload::lineCountOf(download.data));
    if (!query.exec())
        return rollBack();
    const qint64 id = query.lastInsertId().toLongLong();

    // The driver hands SQLite the QByteArray's own bytes; nothing is copied on our side.
    if (!query.prepare(
            QStringLiteral("INSERT INTO download_data (download_id, bytes) VALUES (?, ?)")))
        return rollBack();
    query.addBindValue(id);
    query.addBindValue(download.data.isNull() ? QByteArray("", 0) : download.data);
    if (!query.exec())
        return rollBack();
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT")))
        return rollBack();
    lastError.clear();
    return id;
}

bool Archive::recordSave(qint64 id, const QString &path, bool european, const QDateTime &when)
{
    return changeDownload(id,
                          QStringLiteral("INSERT INTO save (download_id, path, european, saved_ms)"
                                         " SELECT id, ?, ?, ? FROM download WHERE id = ?"),
                          {path, european ? 1 : 0, msOf(when)});
}

bool Archive::setSummary(qint64 id, int recordCount, int passCount, int failCount, bool complete,
                         const std::optional<QStringList> &sites)
{
    const QString update = QStringLiteral("UPDATE download SET record_count = ?, pass_count = ?,"
                                          " fail_count = ?, complete = ? WHERE id = ?");
    const QVariantList counts = {recordCount, passCount, failCount, complete ? 1 : 0};
    if (!sites)
        return changeDownload(id, update, counts);
    // The counts and the sites together, or neither.
    if (!opened)
        return fail(QCoreApplication::translate("Archive", "the archive is not open"));
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(query);
    const auto rollBack = [&] {
        QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!changeDownload(id, update, counts))
        return rollBack();
    if (!run(query,
             QStringLiteral("INSERT OR REPLACE INTO download_sites (download_id, names)"
                            " VALUES (?, ?)"),
             {id, sites->join(QLatin1Char('\n'))}))
        return rollBack();
    return query.exec(QStringLiteral("COMMIT")) || (fail(query), rollBack());
}

bool Archive::run(QSqlQuery &query, const QString &statement, const QVariantList &values)
{
    if (!opened)
        return fail(QCoreApplication::translate("Archive", "the archive is not open"));
    if (!query.prepare(statement))
        return fail(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || fail(query);
}

bool Archive::changeDownload(qint64 id, const QString &statement, QVariantList values)
{
    QSqlQuery query(database());
    values.append(id);
    if (!run(query, statement, values))
        return false;
    if (query.numRowsAffected() != 1)
        return missing(id);
    return true;
}

std::optional<DownloadSummary> Archive::readSummaries(QVector<DownloadSummary> *all, qint64 id)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const QString select = QStringLiteral(
        "SELECT d.id, d.started_ms, d.ended_ms, d.port_name, d.device_path, d.read_timeout_ms,"
        " d.ending, d.byte_count, d.line_count, d.record_count, d.pass_count, d.fail_count,"
        " d.complete, s.path, s.saved_ms,"
        " (SELECT count(*) FROM save c WHERE c.download_id = d.id), %1"
        " FROM download d LEFT JOIN save s ON s.id = (SELECT t.id FROM save t"
        "  WHERE t.download_id = d.id ORDER BY t.saved_ms DESC, t.id DESC LIMIT 1)"
        " %2 ORDER BY d.started_ms DESC, d.id DESC");
    // An archive of an older layout, only read, knows no sites.
    const QString sites =
        hasSites
            ? QStringLiteral("(SELECT n.names FROM download_sites n WHERE n.download_id = d.id)")
            : QStringLiteral("NULL");
    if (!run(query, select.arg(sites, all ? QString() : QStringLiteral("WHERE d.id = ?")),
             all ? QVariantList() : QVariantList{id}))
        return std::nullopt;
    const auto optionalInt = [&](int column) -> std::optional<int> {
        const QVariant value = query.value(column);
        return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
    };
    std::optional<DownloadSummary> last;
    while (query.next()) {
        DownloadSummary row;
        row.id = query.value(0).toLongLong();
        row.started = utcOf(query.value(1));
        row.ended = utcOf(query.value(2));
        row.portName = query.value(3).toString();
        row.devicePath = query.value(4).toString();
        row.readTimeoutMs = query.value(5).toInt();
        row.ending = endingFrom(query.value(6).toString());
        row.byteCount = query.value(7).toLongLong();
        row.lineCount = query.value(8).toLongLong();
        row.recordCount = optionalInt(9);
        row.passCount = optionalInt(10);
        row.failCount = optionalInt(11);
        if (const auto complete = optionalInt(12))
            row.complete = *complete != 0;
        row.lastSavedPath = query.value(13).toString();
        row.lastSavedAt = utcOf(query.value(14));
        row.saveCount = query.value(15).toInt();
        const QVariant sites = query.value(16);
        if (!sites.isNull()) {
            const QString names = sites.toString();
            row.sites = names.isEmpty() ? QStringList() : names.split(QLatin1Char('\n'));
        }
        if (all)
            all->append(row);
        last = row;
    }
    if (query.lastError().isValid())
        return fail(query), std::nullopt;
    if (!all && !last)
        missing(id);
    return last;
}

std::optional<QVector<DownloadSummary>> Archive::list()
{
    QVector<DownloadSummary> all;
    lastError.clear();
    if (!readSummaries(&all, 0) && !lastError.isEmpty())
        return std::nullopt;
    return all;
}

std::optional<DownloadSummary> Archive::summary(qint64 id)
{
    return readSummaries(nullptr, id);
}

std::optional<QByteArray> Archive::data(qint64 id)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT bytes FROM download_data WHERE download_id = ?"), {id}))
        return std::nullopt;
    if (!query.next()) {
        if (query.lastError().isValid())
            fail(query);
        else
            missing(id);
        return std::nullopt;
    }
    QByteArray bytes = query.value(0).toByteArray();
    if (bytes.isNull())
        bytes = QByteArray("", 0);
    return bytes;
}

QVector<ArchivedSave> Archive::saves(qint64 id)
{
    QVector<ArchivedSave> result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query,
             QStringLiteral("SELECT path, european, saved_ms FROM save"
                            " WHERE download_id = ? ORDER BY saved_ms, id"),
             {id}))
        return result;
    while (query.next())
        result.append(
            {query.value(0).toString(), query.value(1).toInt() != 0, utcOf(query.value(2))});
    return result;
}

bool Archive::remove(qint64 id)
{
    if (!changeDownload(id, QStringLiteral("DELETE FROM download WHERE id = ?"), {}))
        return false;
    // The customer's data leaves the file, not only the list.
    QSqlQuery(database()).exec(QStringLiteral("PRAGMA incremental_vacuum"));
    return true;
}

bool Archive::storeDesign(const QString &site, const QByteArray &json)
{
    QSqlQuery query(database());
    return run(
        query,
        QStringLiteral("INSERT OR REPLACE INTO design (site, json, saved_ms)"
                       " VALUES (?, ?, ?)"),
        {site, json.isNull() ? QByteArray("", 0) : json, QDateTime::currentMSecsSinceEpoch()});
}

std::optional<QByteArray> Archive::designFor(const QString &site)
{
    // An archive of the first layout, only read, keeps no designs.
    if (opened && !hasDesigns)
        return QByteArray();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT json FROM design WHERE site = ?"), {site}))
        return std::nullopt;
    if (!query.next())
        return query.lastError().isValid() ? (fail(query), std::nullopt)
                                           : std::optional<QByteArray>(QByteArray());
    return query.value(0).toByteArray();
}

void Archive::checkpoint()
{
    if (opened)
        QSqlQuery(database()).exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}
