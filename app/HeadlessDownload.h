#ifndef MARLUNE_HEADLESSDOWNLOAD_H
#define MARLUNE_HEADLESSDOWNLOAD_H

#include "download/SaveStep.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class DownloadSession;
class HeadlessArchiving;

// What the Download button does, from the command line and without a display: the same
// session (line settings, wait, commands, silence and lost-line rules) and the same saved
// data, with progress and messages on the error stream and the outcome as exit status.
class HeadlessDownload : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString port;   // a name from the port list (ttyUSB0, COM3) or a device path
        QString output; // a file name, or "-" for the standard output
        int readTimeout = 110;
        std::optional<bool> european; // not given: written as received
        bool quiet = false;
        bool archive = true; // keep the download in the archive
        QString archivePath; // empty: the program's own archive
    };

    // Exit statuses.
    enum Status {
        Saved = 0,
        UsageError = 2,
        PortNotOpened = 3,
        LostBeforeData = 4,
        NotWritten = 5,
        Interrupted = 128, // plus the signal's number: 130 for SIGINT, 143 for SIGTERM
    };

    explicit HeadlessDownload(const Options &options);
    ~HeadlessDownload() override;

    // Runs the download to its end; the exit status.
    int run();

    // The device path for a port given by name (as the port list shows it) or by path.
    static QString resolvePort(const QString &port);

private:
    void finished();
    void failed(const QString &reason);
    void checkSignals();
    void showProgress();
    int save();
    // Records the save's outcome in the archive; the exit status.
    int archived(const SaveStep::Outcome &outcome);
    void say(const QString &line);
    void end(int status);

    Options options;
    DownloadSession *session;
    std::unique_ptr<HeadlessArchiving> archiving;
    QTimer signalWatch;
    QTimer progress;
    QElapsedTimer clock;
    bool progressShown = false;
    bool terminal = false;
    int status = -1;
};

#endif
