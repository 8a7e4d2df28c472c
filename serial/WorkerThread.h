#pragma once

#include <QByteArray>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

namespace Ml {

class WinSerialDevice;

// The thread that alone reads and writes the port of an asynchronous serial device. Bytes it
// reads go to a buffer the reader takes them from; bytes queued by the writer wake the read
// in progress and go out at once. The loop is paced by the port's blocking read, which waits
// for what is left of the read time-out's silence (SilenceClock): readTimeOut() comes after
// that much silence, whatever was written meanwhile.
//
// Lock order in the run loop: writeMutex, bufferMutex, a gate's mutex. Other threads take one
// of them at a time. The two gates guard no data: they are where waitForReadyRead() and
// waitForBytesWritten() wait for the loop, which counts each opening (bytes read, bytes
// written, the loop's end), so a waiter passes on an opening however late it is scheduled.
// Only the two data locks are shown to ThreadSanitizer (see TsanMutex); the count is atomic.
class WorkerThread : public QThread
{
    Q_OBJECT

public:
    WorkerThread(QObject *parent, WinSerialDevice *device);
    ~WorkerThread() override;

    qint64 readFromBuffer(char *data, qint64 maxSize);
    void queueWrite(const char *data, qint64 count);
    // Ends the run loop soon: at once when it waits on the port.
    void requestStop();

    // Clears the stop flag (so a stop requested right after the start is not lost) and the
    // failure's announcement, and starts the run loop.
    void startLoop(int readTimeout);
    qint64 bytesWaiting();
    bool lineWaiting();
    // Succeed when the run loop opens its gate (bytes came, or the loop ended) within the
    // time (negative: no limit).
    bool passReadGate(int milliseconds);
    // The same, but true at once when nothing queued is left to write: a write goes out at
    // once, often before its writer starts waiting for it.
    bool passWriteGate(int milliseconds);
    // After the loop has ended (QThread::wait): orders everything it did before what the
    // caller does next, in a way ThreadSanitizer sees (it cannot see it through wait()).
    void synchronizeWithEndedLoop();

signals:
    void readyRead();
    void readTimeOut();
    void bytesWritten(qint64 bytes);
    // The first failed read or write since the port was opened (adapter gone, far end hung
    // up; the device's lastFailure() says why); emitted before the readTimeOut() of that turn.
    void portFailed();

protected:
    void run() override;

private:
    bool isStopRequested();
    void writeOut();
    void noteFailure();
    struct Gate
    {
        QMutex mutex;
        QWaitCondition opened;
        std::atomic<quint64> openings{0};
    };
    // Waits until the gate has opened more often than `since` counts.
    bool passGate(Gate &gate, quint64 since, int milliseconds);
    void openGate(Gate &gate);

    WinSerialDevice *device;
    QByteArray readBuffer;
    int readPos = 0;
    QMutex bufferMutex;
    Gate readGate;
    bool stopRequested = false;
    QByteArray writeBuffer;
    QMutex writeMutex;
    Gate writeGate;
    int readTimeout = 1;           // guarded by bufferMutex; the silence that makes a time-out
    bool failureAnnounced = false; // guarded by bufferMutex
};

} // namespace Ml
