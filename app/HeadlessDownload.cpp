#include "app/HeadlessDownload.h"

#include "app/HeadlessArchiving.h"
#include "download/DownloadSession.h"
#include "download/PortErrorText.h"
#include "download/SaveStep.h"
#include "serial/ComPortDiscovery.h"

#include <QLocale>

#include <csignal>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The signal that asks us to stop (Ctrl+C, a service manager), 0 while none came.
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

} // namespace

HeadlessDownload::HeadlessDownload(const Options &options)
    : options(options), session(new DownloadSession(this))
{
    connect(session, &DownloadSession::finished, this, &HeadlessDownload::finished);
    connect(session, &DownloadSession::failed, this, &HeadlessDownload::failed);
    connect(session, &DownloadSession::lineSendsOnlyNul, this,
            [this] { say(tr("The line sends only NUL bytes. Check the cable and the tester.")); });
    // The text for a view is not needed here; taking it keeps it from piling up.
    connect(session, &DownloadSession::textReady, session, &DownloadSession::takeText);
    connect(&signalWatch, &QTimer::timeout, this, &HeadlessDownload::checkSignals);
    connect(&progress, &QTimer::timeout, this, &HeadlessDownload::showProgress);
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
    // Ctrl+C and SIGTERM end the session cleanly, from the start (the wait before the
    // commands included) to the end.
    struct StopSignals
    {
        StopSignals()
        {
            stopSignal = 0;
            std::signal(SIGINT, askToStop);
            std::signal(SIGTERM, askToStop);
#ifndef _WIN32
            // A reader of the standard output that goes away is a failed write, not our end.
            std::signal(SIGPIPE, SIG_IGN);
#endif
        }
        ~StopSignals()
        {
            std::signal(SIGINT, SIG_DFL);
            std::signal(SIGTERM, SIG_DFL);
        }
    } stopSignals;

    const QString devicePath = resolvePort(options.port);
    if (options.archive)
        archiving = std::make_unique<HeadlessArchiving>(options.archivePath, options.port,
                                                        devicePath, options.readTimeout);
    if (!session->start(devicePath, options.readTimeout)) {
        say(PortErrorText::connectionFailed());
        say(session->openFailureReason());
        return PortNotOpened;
    }
    if (!options.quiet)
        say(tr("Now initiate the download on the tester"));
    clock.start();
    progress.start(terminal ? 250 : 5000);
    // The watch also wakes the loop, so a signal is seen within its interval.
    signalWatch.start(50);
    checkSignals(); // one that came during the wait
    while (status < 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    if (archiving)
        archiving->interrupted(session->data());
    if (progressShown && terminal)
        std::fputc('\n', stderr);
    end(Interrupted + stopSignal);
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
    if (terminal)
        std::fprintf(stderr, "\r%s\033[K", qPrintable(line));
    else
        std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    progressShown = true;
}

void HeadlessDownload::finished()
{
    if (status >= 0)
        return;
    progress.stop();
    showProgress();
    if (progressShown && terminal)
        std::fputc('\n', stderr);
    if (session->lineLost())
        say(PortErrorText::lostAfterData());
    if (archiving)
        archiving->keep(session->data(),
                        session->lineLost() ? DownloadEnding::LineLost : DownloadEnding::Silence);
    end(save());
}

void HeadlessDownload::failed(const QString &reason)
{
    if (status >= 0)
        return;
    say(PortErrorText::connectionFailed());
    say(reason);
    end(LostBeforeData);
}

int HeadlessDownload::save()
{
    const bool european = options.european.value_or(false);
    if (options.output == QLatin1String("-")) {
        // Without a name there is no suffix to judge by: the conversion asked for applies.
        const SaveStep::Outcome outcome = SaveStep::toStandardOutput(session->data(), european);
        say(outcome.headline);
        return archived(outcome);
    }
    const SaveStep::Outcome outcome = SaveStep::toFile(session->data(), options.output, european);
    if (outcome.europeanRefused)
        say(SaveStep::europeanRefusedText(options.output));
    if (!outcome.saved() || !options.quiet)
        say(outcome.headline);
    say(outcome.reason);
    return archived(outcome);
}

int HeadlessDownload::archived(const SaveStep::Outcome &outcome)
{
    if (archiving && outcome.saved())
        archiving->saved(session->data(), options.output, outcome.european);
    else if (archiving)
        archiving->notWritten(session->data(), options.output, options.european);
    return outcome.saved() ? Saved : NotWritten;
}

void HeadlessDownload::say(const QString &line)
{
    if (line.isEmpty())
        return;
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

void HeadlessDownload::end(int exitStatus)
{
    status = exitStatus;
    progress.stop();
    signalWatch.stop();
}
