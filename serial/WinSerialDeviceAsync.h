#pragma once

#include "serial/CommTypes.h"
#include "serial/PortErrorKind.h"

#include <QIODevice>
#include <QString>

namespace Ml {

class PortSettings;
class WinSerialDevice;
class WorkerThread;

// The serial device a download session (DownloadSession) works with. It never touches the port
// itself: a worker thread reads and writes it, reads land in a buffer that read()/readAll() take
// from, and write() only queues, waking the worker so that the bytes go out at once. readyRead(),
// bytesWritten() and readTimeOut() (the line silent for the read time-out, writes or not)
// arrive on the thread that owns this object.
//
// A port that fails while open (adapter unplugged, far end hung up) is announced once with
// portFailed(), queued before the readTimeOut() of the same turn; hasPortFailed() then stays
// true until the next open. After a failed open or a port failure, portErrorKind(),
// portErrorCode() and portErrorString() tell why.
class WinSerialDeviceAsync : public QIODevice
{
    Q_OBJECT

public:
    WinSerialDeviceAsync(QObject *parent, const QString &portName);
    ~WinSerialDeviceAsync() override;

    // Takes ownership; applied at the next open.
    void setPortSettings(PortSettings *settings);
    // The line settings given to the port at the last open; null before it.
    const DCB *lineState() const;

    bool isSequential() const override;
    void close() override;
    bool atEnd() const override;
    qint64 bytesAvailable() const override;
    bool canReadLine() const override;
    bool waitForReadyRead(int msecs) override;
    // True at once when nothing queued is left to write.
    bool waitForBytesWritten(int msecs) override;

    // Opens the port (write time-out 110 ms) and starts the worker; false when the worker
    // already runs or the port cannot be opened.
    virtual bool open(OpenMode mode, int readTimeout);

    bool hasPortFailed() const;
    PortErrorKind portErrorKind() const;
    quint32 portErrorCode() const;
    QString portErrorString() const;
    // The group owning the device node, for telling a user who lacks permission which
    // group to join; empty where unknown (and on Windows).
    QString portDeviceGroup() const;

signals:
    void readTimeOut();
    void portFailed();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    void stopWorker();

    WinSerialDevice *device;
    WorkerThread *thread;
    QString portName;
};

} // namespace Ml
