// Figures for a whole download through the main window: the tester emulator
// sends a large data set unpaced, the window shows and keeps it, and the save
// dialog that follows is declined. Prints the time from Download to the end of
// the session, the rate, and the peak memory of the process.
//   build/bin/download_bench [megabytes, default 5]
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"

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

    const int megabytes = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const QByteArray records = TesterEmulatorProcess::builtInData();
    QByteArray data;
    while (data.size() < megabytes * 1024 * 1024)
        data += records;
    const QString dataFile = dir.filePath(QStringLiteral("data.csv"));
    {
        QFile file(dataFile);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(data);
    }

    TesterEmulatorProcess emulator;
    if (!emulator.start({"--baud", "0", "--data", dataFile}))
        return 1;
    const long rssBefore = peakRssKb();
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(emulator.devicePath);
    QElapsedTimer timer;
    qint64 sessionMs = -1;
    driver.onSaveDialog = [&] { sessionMs = timer.elapsed(); };
    timer.start();
    if (!driver.download(600000) || sessionMs < 0) {
        std::fprintf(stderr, "the download did not complete\n");
        return 1;
    }
    const QString shown = driver.outputText();
    const double seconds = sessionMs / 1000.0;
    std::printf("bytes sent                %lld\n", static_cast<long long>(data.size()));
    std::printf("characters shown          %d\n", shown.size());
    std::printf("Download to save dialog   %.2f s (of which 0.5 s drain, 0.11 s final silence)\n",
                seconds);
    std::printf("rate                      %.0f bytes/s\n", data.size() / seconds);
    std::printf("peak RSS before / after   %ld / %ld KiB\n", rssBefore, peakRssKb());
    return shown.size() > 0 ? 0 : 1;
}
