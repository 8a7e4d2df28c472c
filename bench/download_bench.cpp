// Figures for a whole download through the main window, against a plain reader of the same
// pseudo-terminal: the tester emulator sends a large data set unpaced, the window shows and
// keeps it, and the save dialog that follows is declined. Prints the time from Download to
// the save dialog without the fixed wait and the final silence, the plain reader's time for
// the same bytes, their ratio, and how much the window's peak memory grew per byte received.
//   build/bin/download_bench [megabytes, default 20]
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "download/DownloadSession.h"
#include "download/TesterProtocol.h"
#include "gui/MainWindow.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A settings store of the bench's own; the user's stays untouched.
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
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

    const long rssBefore = peakRssKb();
    qint64 sessionMs = -1;
    long rssAtDialog = 0;
    QString shown;
    {
        MainWindow window;
        UiDriver driver(&window);
        driver.setPort(emulator.devicePath);
        QElapsedTimer timer;
        driver.onSaveDialog = [&] {
            sessionMs = timer.elapsed();
            rssAtDialog = peakRssKb();
        };
        timer.start();
        if (!driver.download(600000) || sessionMs < 0) {
            std::fprintf(stderr, "the download did not complete\n");
            return 1;
        }
        shown = driver.outputText();
    }
    const qint64 readerMs = plainReader(emulator.devicePath, size);
    if (readerMs < 0) {
        std::fprintf(stderr, "the plain reader did not get the data\n");
        return 1;
    }

    // The fixed parts: the wait for the line to settle, and the silence that ends it.
    const qint64 fixedMs = 500 + DownloadSession::defaultReadTimeout;
    const qint64 windowMs = sessionMs - fixedMs;
    std::printf("bytes sent                         %lld\n", static_cast<long long>(size));
    std::printf("characters shown                   %d\n", shown.size());
    std::printf("Download to save dialog            %lld ms (%lld ms fixed: wait and silence)\n",
                static_cast<long long>(sessionMs), static_cast<long long>(fixedMs));
    std::printf("window, without the fixed part     %lld ms\n", static_cast<long long>(windowMs));
    std::printf("plain reader, same bytes           %lld ms\n", static_cast<long long>(readerMs));
    std::printf("window / plain reader              %.2f (goal: at most 2)\n",
                double(windowMs) / qMax<qint64>(readerMs, 1));
    std::printf("peak RSS before / at the dialog    %ld / %ld KiB\n", rssBefore, rssAtDialog);
    std::printf("peak memory growth per byte        %.2f (goal: at most 6)\n",
                (rssAtDialog - rssBefore) * 1024.0 / size);
    return shown.size() > 0 ? 0 : 1;
}
