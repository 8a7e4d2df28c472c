#pragma once

#include "common/Settings.h"
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
        int readTimeout = Settings::definition(Settings::Key::ReadTimeout).fallback.toInt();
        int startTimeout = 0;         // seconds to wait for the first data; 0: for ever
        std::optional<bool> european; // not given: written as received
        bool quiet = false;
        bool verbose = false; // the serial layer's diagnostics on the error stream
        bool archive = true;  // keep the download in the archive
        QString archivePath;  // empty: the program's own archive
    };

    // Exit statuses.
    enum Status {
        Saved = 0,
        ArchiveRefused = 1, // --archive names no archive of this program (or a newer one)
        UsageError = 2,
        PortNotOpened = 3,
        LostBeforeData = 4, // also: no data within the start time-out
        NotWritten = 5,
        SavedIncomplete = 6, // saved, but the line was lost before it fell silent
        Interrupted = 128,   // plus the signal's number: 129 SIGHUP, 130 SIGINT, 143 SIGTERM
    };

    explicit HeadlessDownload(const Options &options);
    ~HeadlessDownload() override;

    // Runs the download to its end on the application's event loop; the exit status.
    int run();

    // The device path for a port given by name (as the port list shows it) or by path.
    static QString resolvePort(const QString &port);

private:
    void finished();
    void failed(const QString &reason);
    void startTimedOut();
    void checkSignals();
    void showProgress();
    // Writes the data as the options say, telling how it went.
    SaveStep::Outcome save(const QByteArray &data);
    void sayAboutPort(const QString &text);
    void end(int status);

    Options options;
    QString portPath;
    DownloadSession *session;
    std::unique_ptr<HeadlessArchiving> archiving;
    QTimer signalWatch;
    QTimer progress;
    QTimer startWatch;
    QElapsedTimer clock;
    bool terminal = false;
    int status = -1;
};
