#include "serial/WinSerialDevice.h"

#include "serial/PortOpenSequence.h"
#include "serial/SilenceClock.h"
#include "serial/TsanMutex.h"

#include <QDebug>
#include <QFile>

#include <cstring>
#include <limits>

namespace Ml {

namespace {

SerialPort::Path nativeName(const QString &name)
{
#ifdef _WIN32
    return name.toStdWString();
#else
    return QFile::encodeName(name).toStdString();
#endif
}

} // namespace

WinSerialDevice::WinSerialDevice(const QString &deviceName)
    : deviceName(deviceName), portSettings(new PortSettings)
{
}

WinSerialDevice::~WinSerialDevice()
{
    portSettings.reset();
    qDebug().noquote() << "Win32SerialDevice::close()";
    handle.closeHandle();
}

bool WinSerialDevice::open(OpenMode mode, int readTimeout, int writeTimeout)
{
    const SerialPort::Path path = PortOpenSequence::openPath(nativeName(deviceName));
    qDebug().noquote() << "Win32SerialDevice::open()\n";
    {
        TsanMutex::Locker locker(failureMutex);
        failure = Failure();
    }
    // A time-out below 1 ms would turn the reads into a busy loop (0) or into reads that
    // never time out (negative values seen as huge ones): it counts as the silence does.
    const auto clamp = [](int ms) { return static_cast<uint32_t>(SilenceClock::counted(ms)); };
    PortOpenSequence::Hooks hooks;
    hooks.configureTimeouts = [this](COMMTIMEOUTS &t) { configureTimeouts(t); };
    hooks.configurePortState = [this] { configurePortState(); };
    hooks.setupStepRefused = [](const char *step, uint32_t error) {
        qDebug().noquote() << QStringLiteral("Win32SerialDevice::open: %1 failed with error: %2")
                                  .arg(QLatin1String(step))
                                  .arg(error);
    };
    const PortOpenSequence::Result result =
        PortOpenSequence::run(handle, path, portSettings.get(), portState, clamp(readTimeout),
                              clamp(writeTimeout), hooks);
    if (result == PortOpenSequence::PortUnavailable ||
        result == PortOpenSequence::ConfigurationRejected) {
        const uint32_t code = handle.lastError();
        fail("open", SerialPort::openErrorKind(code), code,
             result == PortOpenSequence::ConfigurationRejected);
        close();
        return false;
    }
    if (result == PortOpenSequence::StateRejected || !QIODevice::open(mode)) {
        fail("open", PortErrorKind::SettingsRejected,
             result == PortOpenSequence::StateRejected ? handle.lastError() : 0, true);
        close();
        return false;
    }
    return true;
}

bool WinSerialDevice::isSequential() const
{
    return true;
}

void WinSerialDevice::close()
{
    qDebug().noquote() << "Win32SerialDevice::close()";
    handle.closeHandle();
}

void WinSerialDevice::setPortSettings(PortSettings *settings)
{
    portSettings.reset(settings);
}

void WinSerialDevice::interrupt()
{
    handle.interrupt();
}

bool WinSerialDevice::pause(int milliseconds)
{
    return handle.pause(static_cast<uint32_t>(milliseconds < 0 ? 0 : milliseconds));
}

void WinSerialDevice::wake()
{
    handle.wake();
}

qint64 WinSerialDevice::readWithin(char *data, qint64 maxSize, int waitMs)
{
    // What QIODevice already took from the port comes first and never waits.
    const qint64 held = bytesAvailable();
    if (held > 0)
        return read(data, qMin(held, maxSize));
    return readPort(data, maxSize, qMax(0, waitMs));
}

qint64 WinSerialDevice::readData(char *data, qint64 maxSize)
{
    return readPort(data, maxSize, -1);
}

qint64 WinSerialDevice::readPort(char *data, qint64 maxSize, int waitMs)
{
    // QIODevice asks for 0 bytes after it emptied its own buffer; that must not block.
    if (maxSize <= 0)
        return 0;
    const uint32_t size =
        static_cast<uint32_t>(qMin<qint64>(maxSize, std::numeric_limits<uint32_t>::max()));
    uint32_t read = 0;
    const bool ok = waitMs < 0 ? handle.readFile(data, size, read)
                               : handle.readFileWithin(data, size, uint32_t(waitMs), read);
    if (!ok) {
        const uint32_t code = handle.lastError();
        return fail("readData", SerialPort::transferErrorKind(code), code, true);
    }
    if (read > 0)
        emit readyRead();
    return read;
}

qint64 WinSerialDevice::writeData(const char *data, qint64 maxSize)
{
    const uint32_t size =
        static_cast<uint32_t>(qMin<qint64>(maxSize, std::numeric_limits<uint32_t>::max()));
    uint32_t written = 0;
    const bool ok = handle.writeFile(data, size, written);
    const uint32_t writeError = handle.lastError();
    handle.flushFileBuffers();
    if (!ok)
        return fail("writeData", SerialPort::transferErrorKind(writeError), writeError, true);
    return written;
}

void WinSerialDevice::configureTimeouts(COMMTIMEOUTS &)
{
}

void WinSerialDevice::configurePortState()
{
}

WinSerialDevice::Failure WinSerialDevice::lastFailure() const
{
    TsanMutex::Locker locker(failureMutex);
    return failure;
}

qint64 WinSerialDevice::fail(const char *operation, PortErrorKind kind, uint32_t code, bool traced)
{
    // Diagnostics, not user texts: the window tells the user why in words of its own.
    const QString message = QStringLiteral("Win32SerialDevice::%1 failed with error: %2")
                                .arg(QLatin1String(operation))
                                .arg(code);
    {
        TsanMutex::Locker locker(failureMutex);
        failure.transferFailed = failure.transferFailed || std::strcmp(operation, "open") != 0;
        failure.code = code;
        failure.kind = kind == PortErrorKind::None ? PortErrorKind::Other : kind;
        failure.message = message;
    }
    reportError(message);
    if (traced)
        qDebug() << message;
    return -1;
}

void WinSerialDevice::reportError(const QString &message)
{
    // One line each through the Qt log, where the command line can keep it off its error
    // stream.
    qWarning().noquote() << message;
    setErrorString(message);
}

} // namespace Ml
