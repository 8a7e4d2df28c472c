#include "app/HeadlessDownload.h"

#include "app/ErrorStream.h"
#include "app/HeadlessArchiving.h"
#include "app/SummaryCommand.h"
#include "download/DownloadSession.h"
#include "download/PortErrorText.h"
#include "download/SaveStep.h"
#include "serial/ComPortDiscovery.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <csignal>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The signal that asks us to stop (Ctrl+C, a service manager, a closed terminal or SSH
// session), 0 while none came.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signalNumber)
{
    stopSignal = signalNumber;
}

bool isTerminal(std::FILE *stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream));
#else
    return ::isatty(::fileno(stream));
#endif
}

// The signals that end a download cleanly, from the start (the wait before the commands
// included) to the end; what was there before is put back on every way out.
class StopSignals
{
public:
    StopSignals()
    {
        stopSignal = 0;
        for (int i = 0; i < count; ++i)
            before[i] = std::signal(numbers[i], askToStop);
#ifndef _WIN32
        // A reader of the standard output that goes away is a failed write, not our end.
        pipeBefore = std::signal(SIGPIPE, SIG_IGN);
#endif
    }
    ~StopSignals()
    {
        for (int i = 0; i < count; ++i)
            std::signal(numbers[i], before[i] == SIG_ERR ? SIG_DFL : before[i]);
#ifndef _WIN32
        std::signal(SIGPIPE, pipeBefore == SIG_ERR ? SIG_DFL : pipeBefore);
#endif
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
#ifdef SIGHUP
    static constexpr int count = 3;
    const int numbers[count] = {SIGINT, SIGTERM, SIGHUP};
#else
    static constexpr int count = 2;
    const int numbers[count] = {SIGINT, SIGTERM};
#endif
    void (*before[count])(int) = {};
#ifndef _WIN32
    void (*pipeBefore)(int) = SIG_DFL;
#endif
};

} // namespace

HeadlessDownload::HeadlessDownload(const Options &options)
    : options(options), session(new DownloadSession(this)),
      archiving(std::make_unique<HeadlessArchiving>(options.archive, options.archivePath,
                                                    options.output, options.european))
{
    connect(session, &DownloadSession::finished, this, &HeadlessDownload::finished);
    connect(session, &DownloadSession::failed, this, &HeadlessDownload::failed);
    connect(session, &DownloadSession::lineSendsOnlyNul, this, [this] {
        sayAboutPort(tr("The line sends only NUL bytes. Check the cable and the tester."));
    });
    connect(&signalWatch, &QTimer::timeout, this, &HeadlessDownload::checkSignals);
    connect(&progress, &QTimer::timeout, this, &HeadlessDownload::showProgress);
    startWatch.setSingleShot(true);
    connect(&startWatch, &QTimer::timeout, this, &HeadlessDownload::startTimedOut);
    terminal = isTerminal(stderr);
}

HeadlessDownload::~HeadlessDownload() = default;

QString HeadlessDownload::resolvePort(const QString &port)
{
    QList<ComPortInfo> ports;
    enumerateComPorts(ports);
    for (const ComPortInfo &info : qAsConst(ports)) {
        if (info.portName == port)
            return info.devicePath;
    }
    return port;
}

int HeadlessDownload::run()
{
    const StopSignals stopSignals;

    // A file that cannot be written is known before the tester is asked for anything.
    if (options.output != QLatin1String("-")) {
        const SaveStep::Outcome check = SaveStep::check(options.output);
        if (!check.saved()) {
            ErrorStream::say(check.headline);
            ErrorStream::say(check.reason);
            return NotWritten;
        }
    }

    portPath = resolvePort(options.port);
    archiving->begin(options.port, portPath, options.readTimeout);
    // Like the output, an archive that is refused is known before the tester is asked.
    if (!archiving->check())
        return ArchiveRefused;
    if (!session->start(portPath, options.readTimeout)) {
        sayAboutPort(PortErrorText::connectionFailed());
        QString reason = session->openFailureReason();
        // The window's advice names a button the command line does not have.
        if (reason == PortErrorText::noSuchDevice())
            reason = tr("No such device. Check that the adapter is plugged in.");
        sayAboutPort(reason);
        ErrorStream::say(
            tr("The ports of this system: %1 --list-ports", "%1 is the program's name")
                .arg(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()));
        return PortNotOpened;
    }
    if (!options.quiet)
        ErrorStream::say(tr("Now initiate the download on the tester"));
    clock.start();
    progress.start(terminal ? 250 : 5000);
    if (options.startTimeout > 0)
        startWatch.start(options.startTimeout * 1000);
    // The watch also wakes the loop, so a signal is seen within its interval.
    signalWatch.start(50);
    checkSignals(); // one that came during the wait
    // The application's event loop runs until end() quits it.
    if (status < 0)
        QCoreApplication::exec();
    session->cancel(); // releases the port on every way out
    return status;
}

void HeadlessDownload::checkSignals()
{
    if (stopSignal == 0 || status >= 0)
        return;
    // Nothing is written: a download cut short is not the tester's data. It is kept in the
    // archive.
    session->cancel();
    archiving->interrupted(session->data());
    ErrorStream::say(tr("Interrupted: nothing was saved"));
    end(Interrupted + stopSignal);
}

void HeadlessDownload::startTimedOut()
{
    if (status >= 0 || session->hasData())
        return;
    session->cancel();
    sayAboutPort(tr("No data came within %1 s of asking the tester. Check that the tester is "
                    "connected to this port and switched on, and start the transfer on the "
                    "tester.",
                    "%1 is a number of seconds")
                     .arg(options.startTimeout));
    end(LostBeforeData);
}

void HeadlessDownload::showProgress()
{
    if (options.quiet || !session->hasData())
        return;
    const qint64 bytes = session->data().size();
    const double seconds = qMax<qint64>(clock.elapsed(), 1) / 1000.0;
    const QString line = tr("Bytes received: %1 (%2 bytes/s)",
                            "%1 is the number of bytes received so far, %2 the rate")
                             .arg(QLocale().toString(bytes))
                             .arg(QLocale().toString(qRound64(bytes / seconds)));
    // On a terminal the line is redrawn in place; in a log, a line every few seconds.
    ErrorStream::progress(line, terminal);
}

void HeadlessDownload::finished()
{
    if (status >= 0)
        return;
    progress.stop();
    startWatch.stop();
    showProgress();
    const bool lost = session->lineLost();
    if (lost)
        sayAboutPort(PortErrorText::lostAfterData());
    const SaveStep::Outcome outcome =
        archiving->end(session->data(), lost ? DownloadEnding::LineLost : DownloadEnding::Silence,
                       [this](const QByteArray &data) { return save(data); });
    const int saved = outcome.saved()
                          ? SummaryCommand::report(session->data(), stderr, options.quiet)
                          : int(NotWritten);
    end(saved == Saved && lost ? SavedIncomplete : saved);
}

void HeadlessDownload::failed(const QString &reason)
{
    if (status >= 0)
        return;
    // The port opened: "Failed to connect" would be wrong here.
    sayAboutPort(reason);
    end(LostBeforeData);
}

SaveStep::Outcome HeadlessDownload::save(const QByteArray &data)
{
    const bool european = options.european.value_or(false);
    if (options.output == QLatin1String("-")) {
        // Without a name there is no suffix to judge by: the conversion asked for applies.
        const SaveStep::Outcome outcome = SaveStep::toStandardOutput(data, european);
        if (!outcome.saved())
            ErrorStream::say(outcome.headline);
        else if (!options.quiet)
            ErrorStream::say(
                tr("Bytes written to the standard output: %1", "%1 is a number of bytes")
                    .arg(QLocale().toString(outcome.bytes)));
        return outcome;
    }
    const SaveStep::Outcome outcome = SaveStep::toFile(data, options.output, european);
    if (outcome.europeanRefused)
        ErrorStream::say(SaveStep::europeanRefusedText(options.output));
    if (!outcome.saved())
        ErrorStream::say(outcome.headline);
    else if (!options.quiet)
        ErrorStream::say(
            tr("%1: %2 (%3 bytes)", "%1 is \"File successfully saved\", %2 the file's path, %3 "
                                    "the number of bytes")
                .arg(outcome.headline,
                     QDir::toNativeSeparators(QFileInfo(options.output).absoluteFilePath()),
                     QLocale().toString(outcome.bytes)));
    ErrorStream::say(outcome.reason);
    return outcome;
}

void HeadlessDownload::sayAboutPort(const QString &text)
{
    if (text.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(portPath) == options.port
                              ? options.port
                              : QStringLiteral("%1 (%2)").arg(options.port, portPath);
    ErrorStream::say(tr("Port %1: %2", "%1 is the port, %2 what happened").arg(shown, text));
}

void HeadlessDownload::end(int exitStatus)
{
    status = exitStatus;
    progress.stop();
    startWatch.stop();
    signalWatch.stop();
    QCoreApplication::exit(exitStatus);
}
