#pragma once

#include "archive/DownloadArchiver.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// What follows a download session, the same for the window and the command line: the data is
// kept in the archive, then handed to saving, then its results are summarised in the archive.
// The two differ only in how they speak to the user, through a Voice.
class DownloadWorkflow
{
public:
    class Voice
    {
    public:
        virtual ~Voice() = default;
        // The session's download was kept in the archive, or not (stored false:
        // archiver()->problem() says why).
        virtual void kept(bool stored) = 0;
        // Hands the data to saving; a save goes through DownloadWorkflow::saved().
        virtual void save(const QByteArray &data) = 0;
        // The workflow is over: the download is kept (or not) and summarised.
        virtual void settled() = 0;
        // Whether save() asks the user first (a dialog): the download is then stored beside
        // the question, and the voice calls DownloadWorkflow::kept() before it writes.
        virtual bool asksFirst() const { return false; }
    };

    // archive false: nothing is kept (archiver() is nullptr). archivePath empty: the
    // program's own archive.
    explicit DownloadWorkflow(Voice &voice, bool archive = true,
                              const QString &archivePath = QString());
    ~DownloadWorkflow();
    DownloadWorkflow(const DownloadWorkflow &) = delete;
    DownloadWorkflow &operator=(const DownloadWorkflow &) = delete;

    DownloadArchiver *archiver() { return keeper.get(); }

    // A session starts on the port portName (as the user named it) at devicePath.
    void begin(const QString &portName, const QString &devicePath, int readTimeoutMs);
    // The session ended as ending: keeps data, hands it to saving when offerSave, and
    // summarises it.
    void end(const QByteArray &data, DownloadEnding ending, bool offerSave);
    // Keeps data if it came and is not kept yet; whether it is kept now.
    bool keep(const QByteArray &data, DownloadEnding ending);
    // Waits for the store of the session's download that runs beside the save's question;
    // whether it is kept. Nothing to wait for: whether it is kept.
    bool kept();
    // The session's download was saved as path; false (archiver()->problem()) when the
    // archive could not record it. True without an archive.
    bool saved(const QString &path, bool european);

private:
    Voice &voice;
    std::unique_ptr<DownloadArchiver> keeper;
};
