// Serial layer figures on a pseudo-terminal: how closely an idle read keeps its time-out,
// how fast a byte that arrives mid-wait is returned, how fast a write reaches the line and a
// close returns while the worker waits in a 10 s read, throughput through the asynchronous
// device, and the CPU time the worker uses on a silent and on a lost port.
#include "TestLine.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDevice.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>
#include <vector>

using namespace Ml;
using Clock = std::chrono::steady_clock;

namespace {

double cpuSeconds()
{
    rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double v : values)
        sum += v;
    std::printf("%-44s min %8.2f  mean %8.2f  max %8.2f ms (%zu runs)\n", what, values.front(),
                sum / values.size(), values.back(), values.size());
}

void idleReads(int timeout, int runs)
{
    TestLine line;
    WinSerialDevice device(line.slavePath());
    device.setPortSettings(Ml::PortSettings::forTester());
    device.open(QIODevice::ReadWrite, timeout, 110);
    std::vector<double> overshoot;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        char byte;
        device.read(&byte, 1);
        overshoot.push_back(ms(Clock::now() - start) - timeout);
    }
    char label[64];
    std::snprintf(label, sizeof label, "idle read %d ms: time past the time-out", timeout);
    report(label, overshoot);
}

void byteLatency(int runs)
{
    TestLine line;
    WinSerialDevice device(line.slavePath());
    device.setPortSettings(Ml::PortSettings::forTester());
    device.open(QIODevice::ReadWrite, 1000, 110);
    std::vector<double> latency;
    for (int i = 0; i < runs; ++i) {
        Clock::time_point sentAt;
        std::thread sender([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            sentAt = Clock::now();
            line.send("x");
        });
        char byte;
        device.read(&byte, 1);
        const Clock::time_point returnedAt = Clock::now();
        sender.join();
        latency.push_back(ms(returnedAt - sentAt));
    }
    report("byte mid-wait: send to return", latency);
}

// The worker waits on a silent line with a read time-out of 10 s: a write is woken out at once,
// and so is a close.
void wakeLatency(int runs)
{
    TestLine line;
    auto opened = line.openAsync(10000);
    WinSerialDeviceAsync &device = *opened;
    std::vector<double> latency;
    for (int i = 0; i < runs; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const Clock::time_point start = Clock::now();
        device.write("SYST:REM\r\n");
        line.receive(10, 5000);
        latency.push_back(ms(Clock::now() - start));
    }
    report("write during a 10 s idle read: to the pty", latency);
    std::vector<double> closing;
    for (int i = 0; i < runs; ++i) {
        if (i > 0)
            device.open(QIODevice::ReadWrite, 10000);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const Clock::time_point start = Clock::now();
        device.close();
        closing.push_back(ms(Clock::now() - start));
    }
    report("close during a 10 s idle read", closing);
}

void throughput(int megabytes)
{
    TestLine line;
    auto opened = line.openAsync(110);
    WinSerialDeviceAsync &device = *opened;
    const QByteArray block(64 * 1024, '\x5a');
    const qint64 total = qint64(megabytes) * 1024 * 1024;
    qint64 received = 0;
    QElapsedTimer timer;
    timer.start();
    std::thread sender([&] {
        for (qint64 sent = 0; sent < total; sent += block.size())
            line.send(block);
    });
    QObject::connect(&device, &QIODevice::readyRead, [&] { received += device.readAll().size(); });
    while (received < total && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    sender.join();
    std::printf("%-44s %8.1f MB/s (%d MB in %lld ms)\n", "pty -> asynchronous device",
                received / 1048576.0 / (timer.elapsed() / 1000.0), megabytes,
                static_cast<long long>(timer.elapsed()));
    device.close();
}

void idleCpu(bool lost)
{
    TestLine line;
    auto opened = line.openAsync(110);
    WinSerialDeviceAsync &device = *opened;
    if (lost)
        line.hangUp();
    int timeOuts = 0;
    QObject::connect(&device, &WinSerialDeviceAsync::readTimeOut, [&] { ++timeOuts; });
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    timeOuts = 0;
    const double before = cpuSeconds();
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("%-44s %8.1f ms CPU per s, %d readTimeOut in 2 s\n",
                lost ? "lost port, read time-out 110 ms" : "silent port, read time-out 110 ms",
                (cpuSeconds() - before) * 1000 / 2, timeOuts);
    device.close();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false");
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    idleReads(110, 20);
    idleReads(1000, 5);
    byteLatency(20);
    wakeLatency(20);
    throughput(16);
    idleCpu(false);
    idleCpu(true);
    return 0;
}
