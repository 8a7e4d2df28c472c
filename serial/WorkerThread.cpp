#include "serial/WorkerThread.h"

#include "serial/SilenceClock.h"
#include "serial/TsanMutex.h"
#include "serial/WinSerialDevice.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

#include <cstring>

namespace Ml {

namespace {
const qint64 readChunk = 1024;
}

WorkerThread::WorkerThread(QObject *parent, WinSerialDevice *device)
    : QThread(parent), device(device)
{
}

WorkerThread::~WorkerThread() = default;

qint64 WorkerThread::readFromBuffer(char *data, qint64 maxSize)
{
    TsanMutex::Locker locker(bufferMutex);
    const qint64 n = qMin<qint64>(maxSize, readBuffer.size() - readPos);
    if (n <= 0)
        return 0;
    std::memcpy(data, readBuffer.constData() + readPos, size_t(n));
    if (readPos + n == readBuffer.size()) {
        readBuffer.clear();
        readPos = 0;
    } else {
        readPos += int(n);
    }
    return n;
}

void WorkerThread::queueWrite(const char *data, qint64 count)
{
    {
        TsanMutex::Locker locker(writeMutex);
        writeBuffer.append(data, int(count));
    }
    // The loop writes between reads: end the read it waits in, so the bytes go out now and
    // not when the line has been silent for the read time-out.
    device->wake();
}

void WorkerThread::requestStop()
{
    {
        TsanMutex::Locker locker(bufferMutex);
        stopRequested = true;
    }
    device->interrupt();
}

void WorkerThread::startLoop(int timeout)
{
    {
        TsanMutex::Locker locker(bufferMutex);
        stopRequested = false;
        readTimeout = timeout;
        failureAnnounced = false;
    }
    start(QThread::InheritPriority);
}

qint64 WorkerThread::bytesWaiting()
{
    TsanMutex::Locker locker(bufferMutex);
    return readBuffer.size() - readPos;
}

bool WorkerThread::lineWaiting()
{
    TsanMutex::Locker locker(bufferMutex);
    return readBuffer.indexOf('\n', readPos) >= 0;
}

bool WorkerThread::passReadGate(int milliseconds)
{
    return passGate(readGate, readGate.openings, milliseconds);
}

bool WorkerThread::passWriteGate(int milliseconds)
{
    // Counted before the look at the queue: a write-out that ends in between has opened the
    // gate since, and the wait passes at once.
    const quint64 since = writeGate.openings;
    {
        // Held by the loop for a whole write-out, which its write time-out bounds.
        TsanMutex::Locker locker(writeMutex);
        if (writeBuffer.isEmpty())
            return true;
    }
    return passGate(writeGate, since, milliseconds);
}

bool WorkerThread::passGate(Gate &gate, quint64 since, int milliseconds)
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    QMutexLocker locker(&gate.mutex);
    while (gate.openings == since) {
        if (!gate.opened.wait(&gate.mutex, deadline))
            break;
    }
    return gate.openings != since;
}

void WorkerThread::openGate(Gate &gate)
{
    // Every waiter passes, however late it is scheduled: an opening is counted, not held
    // for a moment.
    QMutexLocker locker(&gate.mutex);
    ++gate.openings;
    gate.opened.wakeAll();
}

void WorkerThread::synchronizeWithEndedLoop()
{
    TsanMutex::Locker locker(bufferMutex);
}

bool WorkerThread::isStopRequested()
{
    TsanMutex::Locker locker(bufferMutex);
    return stopRequested;
}

void WorkerThread::run()
{
    int timeout;
    {
        TsanMutex::Locker locker(bufferMutex);
        readBuffer.clear();
        readPos = 0;
        timeout = readTimeout;
    }
    // The silence is counted here, not by the port: a read that a write ended early neither
    // reports a time-out nor starts the wait afresh. The clock keeps the time-out at 1 ms or
    // more.
    SilenceClock silence(timeout);
    char chunk[readChunk];
    while (!isStopRequested()) {
        writeOut();
        const qint64 n = device->readWithin(chunk, readChunk, silence.remaining());
        if (n > 0) {
            silence.restart();
            {
                TsanMutex::Locker locker(bufferMutex);
                readBuffer.append(chunk, int(n));
            }
            openGate(readGate);
            emit readyRead();
        } else if (n < 0) {
            // The port failed (adapter unplugged, far end hung up). Say so once, and wait out
            // a read time-out instead of failing again at once, so that a lost port is not a
            // busy loop flooding the error stream and the window.
            noteFailure();
            device->pause(silence.timeout());
        }
        if (isStopRequested())
            break;
        if (n < 0 || (n == 0 && silence.due())) {
            emit readTimeOut();
            silence.restart();
        }
    }
    // Whoever still waits is let go: the loop has ended.
    openGate(writeGate);
    openGate(readGate);
    // The loop's last step under the data lock: synchronizeWithEndedLoop() orders all of the
    // above before what the caller does next, in a way ThreadSanitizer sees.
    TsanMutex::Locker locker(bufferMutex);
}

void WorkerThread::writeOut()
{
    TsanMutex::Locker locker(writeMutex);
    int written = 0;
    while (written < writeBuffer.size()) {
        const qint64 result =
            device->write(writeBuffer.constData() + written, writeBuffer.size() - written);
        if (result < 0) {
            noteFailure();
            break;
        }
        if (result == 0)
            break; // the port took nothing within the write time-out: next turn
        openGate(writeGate);
        emit bytesWritten(result);
        written += int(result);
        if (written < writeBuffer.size() && isStopRequested())
            break;
    }
    // Bytes that went out are never sent again; the rest stays queued.
    writeBuffer.remove(0, written);
}

void WorkerThread::noteFailure()
{
    bool first;
    {
        TsanMutex::Locker locker(bufferMutex);
        first = !failureAnnounced;
        failureAnnounced = true;
    }
    if (first)
        emit portFailed();
}

} // namespace Ml
