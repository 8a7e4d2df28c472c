#include "TesterEmulatorProcess.h"

#include <QCoreApplication>

TesterEmulatorProcess::~TesterEmulatorProcess()
{
    process.kill();
    process.waitForFinished(5000);
}

QString TesterEmulatorProcess::program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tester-emulator");
}

bool TesterEmulatorProcess::start(const QStringList &arguments)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program(), arguments);
    if (!process.waitForStarted(10000))
        return false;
    while (!process.canReadLine() && process.waitForReadyRead(10000)) {
    }
    devicePath = QString::fromLocal8Bit(process.readLine().trimmed());
    return devicePath.startsWith(QLatin1String("/dev/"));
}

QByteArray TesterEmulatorProcess::builtInData()
{
    QProcess print;
    print.start(program(), {QStringLiteral("--print-data")});
    print.waitForFinished(10000);
    return print.readAllStandardOutput();
}
