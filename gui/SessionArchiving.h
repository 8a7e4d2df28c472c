#pragma once

#include "archive/DownloadArchiver.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QMainWindow;

// The window's side of the archive: each session's download kept when it ends, before the
// save dialog opens, its saves recorded, and the user told once in a message box about a
// damaged archive met on opening it (after the session's save dialog, when a session opened
// it), and in the status bar when a download was not archived. The archive is opened at its
// first use.
class SessionArchiving
{
public:
    // The results of a larger download are read when the History shows it, not after the
    // save step: the window keeps its peak memory low while it shows a large download.
    static constexpr qint64 summaryLimit = 4 * 1024 * 1024;

    explicit SessionArchiving(QMainWindow *window);

    // The archive for the History; nullptr when it cannot be used (the user has been told).
    Archive *archive();
    // Why the archive cannot be used, for the user.
    QString problem() const { return archiver.problem(); }
    // The id of the session's download in the archive; nothing when it is not kept.
    std::optional<qint64> storedId() const { return archiver.storedId(); }

    void begin(const QString &portName, const QString &devicePath, int readTimeoutMs);
    // Stores the session's download if data came and it is not stored yet.
    void keep(const QByteArray &data, DownloadEnding ending);
    // The same while the window closes, telling nobody.
    void keepOnClose(const QByteArray &data);
    // The session's download was saved as path (after the save step).
    void saved(const QString &path, bool european);
    // After the save step that follows a session: the results summary, and the notice of a
    // damaged archive met when the session's download was kept.
    void settle(const QByteArray &data);

private:
    void tellNotice();

    QMainWindow *window;
    DownloadArchiver archiver;
};
