#pragma once

#include "archive/Archive.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <future>
#include <limits>
#include <memory>
#include <optional>

// Keeps the downloads of one window or one command in the archive: the facts of a session
// noted when it starts, its bytes stored when it ends (before anything is saved), the saves
// recorded against it, and what the results reader finds in it. The archive is opened when a
// session begins (or at its first use); an archive that cannot be used never stops a
// download: problem() then says that this download was not archived.
class DownloadArchiver
{
public:
    // The archive at path, which is created when missing but otherwise used only when it is an
    // archive of this program; an empty path is Archive::defaultPath(), the program's own,
    // which is moved aside when it is damaged.
    explicit DownloadArchiver(const QString &path = QString());
    ~DownloadArchiver();
    DownloadArchiver(const DownloadArchiver &) = delete;
    DownloadArchiver &operator=(const DownloadArchiver &) = delete;

    // The archive, opened at the first call; nullptr when it cannot be used (problem()).
    Archive *archive();
    // What to tell the user about a damaged archive met when it was opened, once; empty
    // when there is nothing to tell.
    QString takeNotice();
    // Why the last store or open failed, for the user; empty after a success.
    QString problem() const { return lastProblem; }
    // Whether the archive was refused when it was opened (Archive::refused()).
    bool refused() const { return handle && handle->refused(); }

    // A session starts on the port portName (as the user named it) at devicePath; the archive
    // is opened now, not when the session's data waits to be kept.
    void begin(const QString &portName, const QString &devicePath, int readTimeoutMs);
    // The session has ended with data: stores it unless it is stored already. The id, or
    // nothing when the download could not be archived (problem()).
    std::optional<qint64> keep(const QByteArray &data, DownloadEnding ending);
    // As keep(), on a connection of its own beside the caller, so that a dialog need not
    // wait for a large download's store; waitKept() ends it. Stores as keep() does when the
    // archive is not open (the same problem() follows).
    void keepBeside(const QByteArray &data, DownloadEnding ending);
    // Whether a keepBeside() has not been waited for.
    bool keepingBeside() const { return beside.valid(); }
    // Waits for keepBeside()'s store and answers as keep() does; a store that failed on its
    // own connection is tried once more on the archive's.
    std::optional<qint64> waitKept();
    // The id of the session's stored download; nothing before keep() or after a failure.
    std::optional<qint64> storedId() const { return stored; }
    // The session's download was saved as path; false (problem()) when the archive could not
    // record it.
    bool saved(const QString &path, bool european);
    // After the save step: records what the results reader finds in data, once, and lets the
    // archive copy its log into the file.
    void settle(const QByteArray &data);
    // The largest download whose results are read at settle(); a larger one's are read when
    // the History shows it. Reading results needs about twice the data's size for a moment,
    // which a window holding a large download on screen should not add to its peak.
    void setSummaryLimit(qint64 bytes) { summaryLimit = bytes; }

    // Records the results summary of download id in archive, with the site names.
    static bool summarize(Archive &archive, qint64 id, const QByteArray &data);

private:
    // Stores download on the archive's own connection; the id, or nothing (problem()).
    std::optional<qint64> storeHere(const ArchivedDownload &download);
    ArchivedDownload sessionDownload(const QByteArray &data, DownloadEnding ending) const;

    QString filePath;
    Archive::Mode mode;
    std::unique_ptr<Archive> handle; // made at the first use, open or not
    QString pendingNotice;
    QString lastProblem;

    QDateTime started;
    QString port;
    QString device;
    int timeout = 0;
    bool inSession = false;
    std::optional<qint64> stored;
    bool summarized = false;
    qint64 summaryLimit = std::numeric_limits<qint64>::max();
    ArchivedDownload besideDownload;           // what keepBeside() stores, for a second try
    std::future<std::optional<qint64>> beside; // joined by its destructor at the latest
};
