#include "app/HeadlessDownload.h"

#include "download/DownloadSession.h"
#include "download/PortErrorText.h"
#include "download/SavedData.h"
#include "serial/ComPortDiscovery.h"

#include <QFile>
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

// The window's own words where the command line says the same.
QString windowText(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("MainWindow", text, disambiguation);
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
    connect(session, &DownloadSession::lineSendsOnlyNul, this, [this] {
        say(QCoreApplication::translate(
            "MainWindow", "The line sends only NUL bytes. Check the cable and the tester."));
    });
    // The text for a view is not needed here; taking it keeps it from piling up.
    connect(session, &DownloadSession::textReady, session, &DownloadSession::takeText);
    connect(&signalWatch, &QTimer::timeout, this, &HeadlessDownload::checkSignals);
    connect(&progress, &QTimer::timeout, this, &HeadlessDownload::showProgress);
    terminal = isTerminal(stderr);
}

HeadlessDownload::~HeadlessDownload() = default;

QString HeadlessDownload::devicePathFor(const QString &port)
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

    if (!session->start(devicePathFor(options.port), options.readTimeout)) {
        say(PortErrorText::connectionFailed());
        say(session->openFailureReason());
        return PortNotOpened;
    }
    if (!options.quiet)
        say(windowText("Now initiate the download on the tester"));
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
    // Nothing is written: a download cut short is not the tester's data.
    session->cancel();
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
    const bool toStandardOutput = options.output == QLatin1String("-");
    // Without a name there is no suffix to judge by: the conversion asked for applies.
    bool european = options.european.value_or(false);
    if (european && !toStandardOutput && !SavedData::isCsvFile(options.output)) {
        say(tr("The European format applies to .csv files only; \"%1\" is written as received.",
               "%1 is a file name")
                .arg(options.output));
        european = false;
    }
    const QByteArray bytes = SavedData::fileBytes(session->data(), european);

    if (toStandardOutput) {
        QFile out;
        bool written = out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (qint64 done = 0; written && done < bytes.size();) {
            const qint64 count = out.write(bytes.constData() + done, bytes.size() - done);
            written = count > 0;
            done += qMax<qint64>(count, 0);
        }
        if (!written) {
            say(tr("Error writing to the standard output: %1", "%1 is the system's reason")
                    .arg(out.errorString()));
            return NotWritten;
        }
        return Saved;
    }

    const SavedData::Result result = SavedData::write(options.output, bytes);
    switch (result.outcome) {
    case SavedData::Outcome::Written:
        if (!options.quiet)
            say(windowText("File successfully saved"));
        return Saved;
    case SavedData::Outcome::NotOpened:
        say(windowText("Error opening \"%1\" for writing. Is it open already or read only?",
                       "The %1 will be replaced with the a file name. Please do not remove it in "
                       "your translation!")
                .arg(options.output));
        say(result.reason);
        return NotWritten;
    case SavedData::Outcome::WriteFailed:
        break;
    }
    say(windowText("Error saving \"%1\": %2",
                   "The %1 will be replaced with a file name and the %2 with the reason. Please "
                   "do not remove them in your translation!")
            .arg(options.output, result.reason));
    return NotWritten;
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
