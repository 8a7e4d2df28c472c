#include "download/DownloadSession.h"

#include "download/PortErrorText.h"
#include "download/TesterProtocol.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// What the line brings in the first moment after the port opens (power-up noise, a
// half-sent record) is not part of the download.
const unsigned long settleMs = 500;
// NUL bytes mean the line is still settling: they are waited out in steps. A line that
// never stops sending them (a receive wire held in break) must not freeze us for good:
// after this many steps the commands are sent anyway.
const unsigned long nulStepMs = 200;
const int maxNulSteps = 10;
// The same limit for NUL bytes that keep coming after the commands, without data.
const qint64 nulLimitMs = settleMs + maxNulSteps * nulStepMs;
} // namespace

DownloadSession::DownloadSession(QObject *parent) : QObject(parent)
{
}

DownloadSession::~DownloadSession()
{
    if (device)
        stop(false);
}

bool DownloadSession::start(const QString &portPath, int readTimeout)
{
    if (device)
        return false;
    received.clear();
    received.squeeze();
    failureReason.clear();
    lost = false;
    nulSince.invalidate();
    nulReported = false;

    device = new Ml::WinSerialDeviceAsync(this, portPath);
    device->setPortSettings(Ml::PortSettings::forTester());
    if (!device->open(QIODevice::ReadWrite, readTimeout)) {
        failureReason = PortErrorText::openFailure(portPath, *device);
        delete device;
        device = nullptr;
        return false;
    }

    QThread::msleep(settleMs);
    QByteArray taken = device->readAll();
    for (int step = 0; step < maxNulSteps && taken.startsWith('\0'); ++step) {
        QThread::msleep(nulStepMs);
        taken = device->readAll();
    }
    const bool onlyNul = taken.startsWith('\0');
    // What the device announced while we waited is stale: its bytes were discarded, and a
    // time-out from then, delivered after an announcement that takes the tester's first
    // bytes, would end the download at its start. A failure of the port is still seen: it
    // stays recorded, and every later time-out reports it.
    QCoreApplication::removePostedEvents(device, QEvent::MetaCall);

    connect(device, &Ml::WinSerialDeviceAsync::readyRead, this, &DownloadSession::takeFromDevice);
    connect(device, &Ml::WinSerialDeviceAsync::readTimeOut, this, &DownloadSession::deviceTimedOut);
    connect(device, &Ml::WinSerialDeviceAsync::portFailed, this, &DownloadSession::deviceFailed);
    device->write(TesterProtocol::remoteCommand);
    device->write(TesterProtocol::allDataCommand);
    if (onlyNul) {
        nulReported = true;
        emit lineSendsOnlyNul();
    }
    return true;
}

void DownloadSession::cancel()
{
    if (!device)
        return;
    takeFromDevice();
    stop(true);
}

void DownloadSession::takeFromDevice()
{
    if (!device)
        return;
    QByteArray chunk = device->readAll();
    // NUL bytes before the first data are the line still settling, as in the wait before
    // the commands: not part of the download.
    if (received.isEmpty()) {
        int start = 0;
        while (start < chunk.size() && chunk.at(start) == '\0')
            ++start;
        chunk.remove(0, start);
        if (start > 0 && chunk.isEmpty())
            noteNulOnly();
    }
    if (chunk.isEmpty())
        return;
    received.append(chunk);
    emit bytesArrived(chunk);
}

void DownloadSession::noteNulOnly()
{
    // A line that answers the commands with NUL bytes alone, for as long as the wait before
    // them would have waited, is the same fault as one that sends them during that wait.
    if (nulReported)
        return;
    if (!nulSince.isValid()) {
        nulSince.start();
        return;
    }
    if (nulSince.elapsed() < nulLimitMs)
        return;
    nulReported = true;
    emit lineSendsOnlyNul();
}

void DownloadSession::deviceTimedOut()
{
    if (!device)
        return;
    if (device->hasPortFailed()) {
        deviceFailed();
        return;
    }
    // Only what the announcements before this time-out brought counts: bytes that came after
    // it are announced, and taken, after it too. Taking them here would end the download on
    // a silence from before the tester began to send.
    //
    // Silence before the first byte: the user has not started the transfer on the tester
    // yet. Silence after data: the tester has sent everything.
    if (received.isEmpty()) {
        nulSince.invalidate(); // a silence: the NUL bytes before it were no stuck line
        return;
    }
    stop(true);
    emit finished();
}

void DownloadSession::deviceFailed()
{
    if (!device)
        return;
    takeFromDevice(); // what arrived before the line went
    lost = true;
    stop(true);
    if (received.isEmpty())
        emit failed(PortErrorText::lostBeforeData());
    else
        emit finished();
}

void DownloadSession::stop(bool announce)
{
    // This may run inside one of the device's own signals: cut it off first, stop its worker
    // and port, and delete it once that signal is done.
    Ml::WinSerialDeviceAsync *ending = device;
    device = nullptr;
    disconnect(ending, nullptr, this, nullptr);
    ending->close();
    ending->deleteLater();
    if (announce)
        emit stopped();
}
