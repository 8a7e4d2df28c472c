#include "serial/WinSerialDeviceAsync.h"

#include "serial/PortOpenSequence.h"
#include "serial/SerialPort.h"
#include "serial/WinSerialDevice.h"
#include "serial/WorkerThread.h"

#include <QFile>

namespace Ml {

namespace {
const int writeTimeout = 110;
}

WinSerialDeviceAsync::WinSerialDeviceAsync(QObject *parent, const QString &portName)
    : QIODevice(parent), device(new WinSerialDevice(portName)),
      thread(new WorkerThread(this, device)), portName(portName)
{
    connect(thread, SIGNAL(readyRead()), this, SIGNAL(readyRead()));
    connect(thread, SIGNAL(readTimeOut()), this, SIGNAL(readTimeOut()));
    connect(thread, SIGNAL(bytesWritten(qint64)), this, SIGNAL(bytesWritten(qint64)));
    connect(thread, SIGNAL(portFailed()), this, SIGNAL(portFailed()));
}

WinSerialDeviceAsync::~WinSerialDeviceAsync()
{
    if (thread->isRunning())
        stopWorker();
    delete device;
}

void WinSerialDeviceAsync::setPortSettings(PortSettings *settings)
{
    device->setPortSettings(settings);
}

const DCB *WinSerialDeviceAsync::lineState() const
{
    return device->lineState();
}

bool WinSerialDeviceAsync::isSequential() const
{
    return true;
}

bool WinSerialDeviceAsync::open(OpenMode mode, int readTimeout)
{
    if (thread->isRunning())
        return false;
    if (!device->open(mode, readTimeout, writeTimeout))
        return false;
    thread->startLoop(readTimeout);
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

void WinSerialDeviceAsync::close()
{
    if (thread->isRunning())
        stopWorker();
}

void WinSerialDeviceAsync::stopWorker()
{
    QIODevice::close();
    thread->requestStop();
    thread->wait();
    thread->synchronizeWithEndedLoop();
    device->close();
}

bool WinSerialDeviceAsync::atEnd() const
{
    return thread->bytesWaiting() == 0;
}

qint64 WinSerialDeviceAsync::bytesAvailable() const
{
    return thread->bytesWaiting();
}

bool WinSerialDeviceAsync::canReadLine() const
{
    return thread->lineWaiting();
}

bool WinSerialDeviceAsync::waitForReadyRead(int msecs)
{
    return isOpen() && thread->passReadGate(msecs);
}

bool WinSerialDeviceAsync::waitForBytesWritten(int msecs)
{
    return isOpen() && thread->passWriteGate(msecs);
}

qint64 WinSerialDeviceAsync::readData(char *data, qint64 maxSize)
{
    return thread->readFromBuffer(data, maxSize);
}

qint64 WinSerialDeviceAsync::writeData(const char *data, qint64 maxSize)
{
    thread->queueWrite(data, maxSize);
    return 0;
}

bool WinSerialDeviceAsync::hasPortFailed() const
{
    return device->lastFailure().transferFailed;
}

PortErrorKind WinSerialDeviceAsync::portErrorKind() const
{
    return device->lastFailure().kind;
}

quint32 WinSerialDeviceAsync::portErrorCode() const
{
    return device->lastFailure().code;
}

QString WinSerialDeviceAsync::portErrorString() const
{
    return device->lastFailure().message;
}

QString WinSerialDeviceAsync::portDeviceGroup() const
{
#ifdef _WIN32
    return QString();
#else
    const SerialPort::Path path =
        PortOpenSequence::openPath(QFile::encodeName(portName).toStdString());
    return QString::fromStdString(SerialPort::deviceGroup(path));
#endif
}

} // namespace Ml
