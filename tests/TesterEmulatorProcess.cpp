#include "TesterEmulatorProcess.h"

#include "serial/WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <signal.h>
#include <sys/types.h>

TesterEmulatorProcess::~TesterEmulatorProcess()
{
    if (watchdog.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            over = true;
        }
        rowOver.notify_all();
        watchdog.join();
        if (hungUp)
            QTest::qFail(QByteArray("the row ran past its own bound and the tester's line was "
                                    "hung up to end it: the program blocked on the line")
                             .constData(),
                         __FILE__, __LINE__);
    }
    process.kill();
    process.waitForFinished(5000);
}

QString TesterEmulatorProcess::program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tester-emulator");
}

bool TesterEmulatorProcess::start(const QStringList &arguments, int rowBoundSeconds)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program(), arguments);
    if (!process.waitForStarted(10000))
        return false;
    while (!process.canReadLine() && process.waitForReadyRead(10000)) {
    }
    devicePath = QString::fromLocal8Bit(process.readLine().trimmed());
    if (!watchdog.joinable()) {
        const char *tag = QTest::currentDataTag();
        row = QByteArray(QTest::currentTestFunction()) + '(' + (tag ? tag : "") + ')';
        watchdog = std::thread(&TesterEmulatorProcess::watch, this, process.processId(),
                               TestSupport::scaled(rowBoundSeconds));
    }
    return devicePath.startsWith(QLatin1String("/dev/"));
}

void TesterEmulatorProcess::watch(qint64 pid, int seconds)
{
    std::unique_lock<std::mutex> lock(mutex);
    if (rowOver.wait_for(lock, std::chrono::seconds(seconds), [this] { return over; }))
        return;
    hungUp = true;
    qWarning("%s: still running after its bound of %d s; hanging up the tester's line",
             row.constData(), seconds);
    ::kill(pid_t(pid), SIGKILL);
    if (!rowOver.wait_for(lock, std::chrono::seconds(TestSupport::scaled(10)),
                          [this] { return over; }))
        qFatal("%s: still blocked 10 s after the tester's line was hung up at its bound of %d s",
               row.constData(), seconds);
}

QByteArray TesterEmulatorProcess::builtInData()
{
    QProcess print;
    print.start(program(), {QStringLiteral("--print-data")});
    if (!print.waitForFinished(10000))
        qWarning("tester-emulator --print-data did not end within 10 s");
    return print.readAllStandardOutput();
}

bool TestSupport::portIsFree(const QString &path)
{
    return Ml::WinSerialDeviceAsync(nullptr, path).open(QIODevice::ReadWrite, 50); // and closes
}

int TestSupport::scaled(int bound)
{
    return bound * std::max(1, qEnvironmentVariableIntValue("ML_TEST_TIME_FACTOR"));
}
