// Figures for a whole download through the main window, against a plain reader of the same
// pseudo-terminal: the tester emulator sends a large data set unpaced, the window shows and
// keeps it, and the save dialog that follows is declined. Prints the time from Download to
// the save dialog without the fixed wait and the final silence, the plain reader's time for
// the same bytes, their ratio, and how much the window's peak memory grew per byte received
// (the archive and the completeness check included). And the way from the last byte to the
// save dialog (the silence that ends the session, the download stored in the archive, the
// completeness check started beside), for the emulator's own data and for the large set, each
// beside today's pipeline of a save (bit 7 cleared, the file written with QSaveFile) for the
// same bytes, measured in the same run.
//   build/bin/download_bench [megabytes, default 20]
#include "BenchSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/Settings.h"
#include "download/DownloadSession.h"
#include "download/SessionText.h"
#include "download/TesterProtocol.h"
#include "gui/CompletenessIndicator.h"
#include "gui/MainWindow.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Asks the tester for its data and reads the port until all of it came; milliseconds from
// the commands to the last byte, -1 when it did not come.
qint64 plainReader(const QString &port, qint64 expected)
{
    Ml::WinSerialDevice device(port);
    device.setPortSettings(Ml::PortSettings::forTester());
    if (!device.open(QIODevice::ReadWrite, 2000, 1000))
        return -1;
    QElapsedTimer timer;
    timer.start();
    device.write(TesterProtocol::remoteCommand);
    device.write(TesterProtocol::allDataCommand);
    static char chunk[65536];
    qint64 received = 0;
    while (received < expected) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n <= 0)
            return -1;
        received += n;
    }
    return timer.elapsed();
}

// One session through the window against an emulator that sends size bytes.
struct Session
{
    qint64 sessionMs = -1;          // from Download to the save dialog
    double lastByteToDialogMs = -1; // the silence that ends the session included
    double endToDialogMs = -1;      // from the session's end
    long rssBefore = 0, rssAtDialog = 0;
    long rssAfter = 0; // the save step and the completeness check done
    int shown = 0;     // characters in the output box
};

bool runSession(const QString &port, Session *figures)
{
    figures->rssBefore = BenchSupport::peakRssKiB();
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(port);
    QElapsedTimer timer;
    QElapsedTimer sinceEnd;
    QElapsedTimer sinceLastByte;
    // The session's end and its last bytes as the window learns of them: these connections go
    // before the window's own.
    auto *session = window.findChild<DownloadSession *>();
    QObject::disconnect(session, &DownloadSession::finished, &window, &MainWindow::readTimeOut);
    auto *text = session->findChild<SessionText *>();
    QObject::disconnect(text, &SessionText::textReady, &window, &MainWindow::readyRead);
    QObject::connect(session, &DownloadSession::finished, [&] { sinceEnd.start(); });
    // The last bytes: the last batch of text that brought more data (batches come at most
    // about every 50 ms).
    int dataSize = 0;
    QObject::connect(text, &SessionText::textReady, [&] {
        if (session->data().size() > dataSize)
            sinceLastByte.start();
        dataSize = session->data().size();
    });
    QObject::connect(session, &DownloadSession::finished, &window, &MainWindow::readTimeOut);
    QObject::connect(text, &SessionText::textReady, &window, &MainWindow::readyRead);
    driver.onSaveDialog = [&] {
        figures->sessionMs = timer.elapsed();
        figures->endToDialogMs = sinceEnd.nsecsElapsed() / 1e6;
        figures->lastByteToDialogMs = sinceLastByte.nsecsElapsed() / 1e6;
        figures->rssAtDialog = BenchSupport::peakRssKiB();
    };
    timer.start();
    if (!driver.download(600000) || figures->sessionMs < 0)
        return false;
    auto *indicator = window.findChild<CompletenessIndicator *>();
    QElapsedTimer waited;
    waited.start();
    while (indicator->isChecking() && waited.elapsed() < 60000) // the check, at most a minute
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    figures->shown = driver.outputText().size();
    figures->rssAfter = BenchSupport::peakRssKiB();
    return !indicator->isChecking();
}

// A file of data for the emulator and the time of a plain save of the same bytes.
double writeData(const QByteArray &data, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return -1;
    file.close();
    return BenchSupport::timedSave(data, path + QStringLiteral(".saved"));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    BenchSupport::useOwnFolders(dir, true); // settings and archive
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();

    const int megabytes = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const QByteArray records = TesterEmulatorProcess::builtInData();
    QByteArray data;
    while (data.size() < megabytes * 1024 * 1024)
        data += records;
    const qint64 size = data.size();
    const QString smallFile = dir.filePath(QStringLiteral("emulator.csv"));
    const QString dataFile = dir.filePath(QStringLiteral("data.csv"));
    const double smallSaveMs = writeData(records, smallFile);
    const double pipelineMs = writeData(data, dataFile);
    data.clear();
    if (smallSaveMs < 0 || pipelineMs < 0)
        return 1;

    // The emulator's own data first, then the large set.
    Session small;
    Session large;
    TesterEmulatorProcess smallEmulator;
    TesterEmulatorProcess emulator;
    if (!smallEmulator.start({"--baud", "0", "--data", smallFile}) ||
        !runSession(smallEmulator.devicePath, &small) ||
        !emulator.start({"--baud", "0", "--data", dataFile}) ||
        !runSession(emulator.devicePath, &large)) {
        std::fprintf(stderr, "a download did not complete\n");
        return 1;
    }
    const qint64 readerMs = plainReader(emulator.devicePath, size);
    if (readerMs < 0) {
        std::fprintf(stderr, "the plain reader did not get the data\n");
        return 1;
    }

    // The fixed parts: the wait for the line to settle, and the silence that ends it.
    const qint64 fixedMs = 500 + Settings::definition(Settings::Key::ReadTimeout).fallback.toInt();
    const qint64 windowMs = large.sessionMs - fixedMs;
    std::printf("bytes sent                         %lld\n", static_cast<long long>(size));
    std::printf("characters shown                   %d\n", large.shown);
    std::printf("Download to save dialog            %lld ms (%lld ms fixed: wait and silence)\n",
                static_cast<long long>(large.sessionMs), static_cast<long long>(fixedMs));
    std::printf("window, without the fixed part     %lld ms\n", static_cast<long long>(windowMs));
    std::printf("plain reader, same bytes           %lld ms\n", static_cast<long long>(readerMs));
    std::printf("window / plain reader              %.2f (goal: at most 2)\n",
                double(windowMs) / qMax<qint64>(readerMs, 1));
    std::printf("\nlast byte to save dialog (the %d ms silence included; the archive's store)\n",
                Settings::definition(Settings::Key::ReadTimeout).fallback.toInt());
    const auto lastByte = [](const char *what, const Session &figures, qint64 bytes, double saveMs,
                             int goalMs) {
        std::printf("  %-10s %9lld bytes  %7.1f ms (goal: at most %d ms), from the session's "
                    "end %.1f ms; a save of the same bytes %.1f ms\n",
                    what, static_cast<long long>(bytes), figures.lastByteToDialogMs, goalMs,
                    figures.endToDialogMs, saveMs);
    };
    lastByte("emulator", small, records.size(), smallSaveMs, 150);
    lastByte("large set", large, size, pipelineMs, 300);
    std::printf("  of the window's pipeline         %.1f %% (goal: at most 20 %%)\n",
                100.0 * large.endToDialogMs / qMax<qint64>(windowMs, 1));
    std::printf("\npeak RSS before / at the dialog    %ld / %ld KiB\n", large.rssBefore,
                large.rssAtDialog);
    std::printf("peak memory growth per byte        %.2f at the dialog (goal: at most 6)\n",
                (large.rssAtDialog - large.rssBefore) * 1024.0 / size);
    std::printf("and after the save step            %.2f (the completeness check and the "
                "archive's results summary included)\n",
                (large.rssAfter - large.rssBefore) * 1024.0 / size);
    return large.shown > 0 ? 0 : 1;
}
