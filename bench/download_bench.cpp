// Figures for a whole download through the main window, against a plain reader of the same
// pseudo-terminal: the tester emulator sends a large data set unpaced, the window shows and
// keeps it, and the save dialog that follows is declined. Prints the time from Download to
// the save dialog without the fixed wait and the final silence, the plain reader's time for
// the same bytes, their ratio, and how much the window's peak memory grew per byte received
// (the archive included). And the archive's part: the time from the session's end to the save
// dialog, in which the download is stored, beside today's pipeline of a save (bit 7 cleared,
// the file written with QSaveFile) for the same bytes, measured in the same run.
//   build/bin/download_bench [megabytes, default 20]
#include "BenchSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/Settings.h"
#include "download/DownloadSession.h"
#include "download/TesterProtocol.h"
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

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    BenchSupport::useOwnFolders(dir, true); // settings and archive
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();

    const int megabytes = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const QString dataFile = dir.filePath(QStringLiteral("data.csv"));
    qint64 size = 0;
    {
        const QByteArray records = TesterEmulatorProcess::builtInData();
        QByteArray data;
        while (data.size() < megabytes * 1024 * 1024)
            data += records;
        QFile file(dataFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return 1;
        size = data.size();
    }

    TesterEmulatorProcess emulator;
    if (!emulator.start({"--baud", "0", "--data", dataFile}))
        return 1;

    const long rssBefore = BenchSupport::peakRssKiB();
    qint64 sessionMs = -1;
    double endToDialogMs = -1;
    long rssAtDialog = 0;
    long rssAfter = 0; // after the save step, the results summary of the archive included
    QString shown;
    {
        MainWindow window;
        UiDriver driver(&window);
        driver.setPort(emulator.devicePath);
        QElapsedTimer timer;
        QElapsedTimer sinceEnd;
        // The session's end as the window learns of it: this connection goes before the
        // window's own.
        auto *session = window.findChild<DownloadSession *>();
        QObject::disconnect(session, SIGNAL(finished()), &window, SLOT(readTimeOut()));
        QObject::connect(session, &DownloadSession::finished, [&] { sinceEnd.start(); });
        QObject::connect(session, SIGNAL(finished()), &window, SLOT(readTimeOut()));
        driver.onSaveDialog = [&] {
            sessionMs = timer.elapsed();
            endToDialogMs = sinceEnd.nsecsElapsed() / 1e6;
            rssAtDialog = BenchSupport::peakRssKiB();
        };
        timer.start();
        if (!driver.download(600000) || sessionMs < 0) {
            std::fprintf(stderr, "the download did not complete\n");
            return 1;
        }
        shown = driver.outputText();
        rssAfter = BenchSupport::peakRssKiB();
    }
    const qint64 readerMs = plainReader(emulator.devicePath, size);
    if (readerMs < 0) {
        std::fprintf(stderr, "the plain reader did not get the data\n");
        return 1;
    }

    // Today's pipeline of a save for the same bytes.
    QFile file(dataFile);
    const double pipelineMs =
        file.open(QIODevice::ReadOnly)
            ? BenchSupport::timedSave(file.readAll(), dir.filePath(QStringLiteral("saved.csv")))
            : -1;
    if (pipelineMs < 0)
        return 1;

    // The fixed parts: the wait for the line to settle, and the silence that ends it.
    const qint64 fixedMs = 500 + Settings::definition(Settings::Key::ReadTimeout).fallback.toInt();
    const qint64 windowMs = sessionMs - fixedMs;
    std::printf("bytes sent                         %lld\n", static_cast<long long>(size));
    std::printf("characters shown                   %d\n", shown.size());
    std::printf("Download to save dialog            %lld ms (%lld ms fixed: wait and silence)\n",
                static_cast<long long>(sessionMs), static_cast<long long>(fixedMs));
    std::printf("window, without the fixed part     %lld ms\n", static_cast<long long>(windowMs));
    std::printf("plain reader, same bytes           %lld ms\n", static_cast<long long>(readerMs));
    std::printf("window / plain reader              %.2f (goal: at most 2)\n",
                double(windowMs) / qMax<qint64>(readerMs, 1));
    std::printf("session end to save dialog         %.1f ms (the archive's store included; "
                "goal: at most 300 ms)\n",
                endToDialogMs);
    std::printf("  of the window's pipeline         %.1f %% (goal: at most 20 %%)\n",
                100.0 * endToDialogMs / qMax<qint64>(windowMs, 1));
    std::printf("a save of the same bytes           %.1f ms (bit 7 cleared, QSaveFile)\n",
                pipelineMs);
    std::printf("peak RSS before / at the dialog    %ld / %ld KiB\n", rssBefore, rssAtDialog);
    std::printf("peak memory growth per byte        %.2f (goal: at most 6)\n",
                (rssAtDialog - rssBefore) * 1024.0 / size);
    std::printf("and after the save step            %.2f (the archive's results summary "
                "included)\n",
                (rssAfter - rssBefore) * 1024.0 / size);
    return shown.size() > 0 ? 0 : 1;
}
