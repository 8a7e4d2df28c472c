#pragma once

#include "archive/ArchivedDownload.h"
#include "archive/ArchivedSave.h"
#include "archive/DownloadSummary.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <optional>

class QSqlDatabase;
class QSqlQuery;

// Every download kept in one SQLite file. Each Archive uses a database connection of its
// own, so the window and a command-line download may write to the same file at the same
// moment: a writer waits up to the busy time-out for the other.
//
// Nothing here throws or waits for long: a failure is a false or empty result (never an
// empty answer that looks like a good one) and errorString() says why in words for the user.
// Only the program's own archive is ever moved aside (when it is damaged, and a new one
// started; notice() then holds what to tell the user, once): a file the user named is used
// when it is an archive of this program, and otherwise refused and left exactly as it was.
class Archive
{
public:
    // What open() may do with the file.
    enum class Mode {
        Read,   // reads only: nothing is created or changed, and no log is left beside it
        Change, // an existing archive, written to; nothing is created
        Create, // as Change, and created (with its folder) when missing
        Own,    // the program's own archive: as Create, and a damaged one is moved aside
    };

    // The newest layout of the file this program knows.
    static const int schemaVersion;
    static constexpr int defaultBusyTimeoutMs = 5000;

    // archive.sqlite in the program's local data folder: on Windows under %LOCALAPPDATA%, not
    // in the roaming profile (downloads of many megabytes); elsewhere the same as the data folder.
    static QString defaultPath();

    Archive();
    ~Archive();
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;

    // How long a write waits for another program's write to end; takes effect at open().
    void setBusyTimeout(int ms) { busyTimeoutMs = ms; }

    // Opens the archive at path as mode allows: Create and Own create it when missing (the
    // folder mode 0700, the file 0600); all but Read bring an older layout up to date. Only a
    // regular file is opened. Own moves a damaged archive (or whatever else is in its place)
    // aside as "<path>.damaged-YYYYMMDD-HHMMSS" and creates a new one; when it cannot be moved
    // it is left alone and open() fails. The other modes refuse what is not an archive of this
    // program, an archive of a newer version and a damaged one, and change nothing. False when
    // the archive cannot be used (errorString(), one line naming the path).
    bool open(const QString &path, Mode mode = Mode::Create);
    bool isOpen() const;
    QString path() const { return filePath; }
    // Whether the last open() refused the file as no archive of this program, of a newer
    // version, damaged, missing or no regular file (rather than failing to read or write it).
    bool refused() const { return wasRefused; }
    // Whether the last failed call failed only because the download is not in the archive.
    bool notFound() const { return wasNotFound; }

    // What the user should be told about the last open() (a damaged archive moved aside or
    // left alone); empty when nothing happened. takeNotice() hands it over once.
    QString notice() const { return pendingNotice; }
    QString takeNotice();
    // Where the last open() moved a damaged archive; empty when it did not.
    QString movedAsidePath() const { return movedAside; }

    // Stores a download; its id, or nothing when it could not be stored (errorString():
    // "This download was not archived: ...").
    std::optional<qint64> store(const ArchivedDownload &download);
    // Records a save of download id.
    bool recordSave(qint64 id, const QString &path, bool european, const QDateTime &when);
    // Records what the results view found in download id: the counts and, when given, the
    // site names (DownloadSummary::sites).
    bool setSummary(qint64 id, int recordCount, int passCount, int failCount, bool complete,
                    const std::optional<QStringList> &sites = std::nullopt);

    // Every download, newest first, without its bytes; nothing when they cannot all be read.
    std::optional<QVector<DownloadSummary>> list();
    std::optional<DownloadSummary> summary(qint64 id);
    // The bytes of download id exactly as received.
    std::optional<QByteArray> data(qint64 id);
    // The saves of download id, oldest first.
    QVector<ArchivedSave> saves(qint64 id);
    // Deletes download id with its saves.
    bool remove(qint64 id);

    // Keeps the design of a site (its JSON file's bytes), replacing the one kept before.
    bool storeDesign(const QString &site, const QByteArray &json);
    // The design kept for the site (the name exactly as the data writes it): its JSON, an
    // empty array when none is kept, nothing when the archive could not be read.
    std::optional<QByteArray> designFor(const QString &site);

    // Copies what stores wrote to the log into the file itself, as far as no reader of
    // another program holds it back. Stores leave this for later so that they are quick: call
    // it when nothing waits for the archive (after the save step). Opening and closing do it
    // too.
    void checkpoint();

    // Why the last call failed, for the user.
    QString errorString() const { return lastError; }

private:
    friend class ArchiveTeamState; // the team archive's columns of the same file

    enum class OpenResult { Ok, Damaged, NotOurs, Newer, Failed };

    OpenResult openConnection(Mode mode);
    OpenResult checkLayout(QSqlQuery &query, Mode mode);
    bool switchToLog(QSqlQuery &query);
    bool migrate(bool *damaged);
    bool moveAside(const QString &reason);
    bool refuse(const QString &reason);
    // Fails because download id is not in the archive.
    bool missing(qint64 id);
    void closeConnection();
    QSqlDatabase database() const;
    bool fail(const QSqlQuery &query);
    bool fail(const QString &reason);
    // Prepares the statement, binds the values in order and runs it; false (with the reason
    // kept) when the archive is closed or the statement fails.
    bool run(QSqlQuery &query, const QString &statement, const QVariantList &values);
    // Runs a statement that changes one download: its values, then the download's id last.
    bool changeDownload(qint64 id, const QString &statement, QVariantList values);
    std::optional<DownloadSummary> readSummaries(QVector<DownloadSummary> *all, qint64 id);

    QString connectionName;
    QString filePath;
    QString pendingNotice;
    QString movedAside;
    QString lastError;
    QString openError; // why the last open() failed
    int busyTimeoutMs = defaultBusyTimeoutMs;
    bool opened = false;
    bool wasRefused = false;
    bool wasNotFound = false;
    bool hasDesigns = false; // an archive of the first layout, read only, has no design table
    bool hasSites = false;   // nor one of the first three layouts a table of sites
};
