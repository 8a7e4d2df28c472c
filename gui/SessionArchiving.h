#pragma once

#include "download/DownloadWorkflow.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QMainWindow;

// How the window speaks in the download workflow: each session's download kept when it ends,
// beside the save dialog and before anything is written, its saves recorded, and the user told once
// in a message box about a damaged archive met on opening it (after the session's save dialog, when
// a session opened it), and in the status bar when a download was not archived. The archive is
// opened at its first use.
class SessionArchiving : private DownloadWorkflow::Voice
{
public:
    // The results of a larger download are read when the History shows it, not after the
    // save step: the window keeps its peak memory low while it shows a large download.
    static constexpr qint64 summaryLimit = 4 * 1024 * 1024;

    explicit SessionArchiving(QMainWindow *window);

    // The window's save step for an ended session, and what follows the workflow's end.
    void setSteps(std::function<void(const QByteArray &)> saveStep,
                  std::function<void()> afterSettling);

    // The archive for the History; nullptr when it cannot be used (the user has been told).
    Archive *archive();
    // Why the archive cannot be used, for the user.
    QString problem() const { return archiver().problem(); }
    // The id of the session's download in the archive; nothing when it is not kept.
    std::optional<qint64> storedId() const { return archiver().storedId(); }

    void begin(const QString &portName, const QString &devicePath, int readTimeoutMs);
    // The session ended: its download kept, offered for saving when offerSave, summarised,
    // and a damaged archive's notice told.
    void end(const QByteArray &data, DownloadEnding ending, bool offerSave);
    // The download kept while the window closes, telling nobody.
    void keepOnClose(const QByteArray &data);
    // The session's download was saved as path.
    void saved(const QString &path, bool european);
    // Before a file is written: the session's download, stored beside the save dialog, is
    // kept (or the user told it is not).
    void beforeWriting() { workflow.kept(); }

private:
    void kept(bool stored) override;
    void save(const QByteArray &data) override;
    void settled() override;
    bool asksFirst() const override { return true; }
    void tellNotice();
    DownloadArchiver &archiver() const { return *workflow.archiver(); }

    QMainWindow *window;
    mutable DownloadWorkflow workflow{*this};
    std::function<void(const QByteArray &)> saveStep;
    std::function<void()> afterSettling;
};
