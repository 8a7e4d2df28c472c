// The serial platform layer on Windows: the kernel32 communications calls on a port handle
// opened exclusively and without overlapped I/O, so every transfer blocks within the
// port's time-outs.
#include "serial/SerialPort.h"

#include <atomic>

namespace Ml {

struct SerialPort::Private
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    uint32_t error = 0;
    std::atomic<bool> interrupted{false};

    bool fail()
    {
        error = ::GetLastError();
        return false;
    }
};

SerialPort::SerialPort() : d(new Private)
{
}

SerialPort::~SerialPort()
{
    closeHandle();
}

bool SerialPort::createFile(const Path &path)
{
    closeHandle();
    d->interrupted = false;
    d->handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return d->handle != INVALID_HANDLE_VALUE || d->fail();
}

bool SerialPort::isOpen() const
{
    return d->handle != INVALID_HANDLE_VALUE;
}

bool SerialPort::getCommState(DCB &state)
{
    return ::GetCommState(d->handle, &state) || d->fail();
}

bool SerialPort::setCommState(const DCB &state)
{
    DCB copy = state;
    return ::SetCommState(d->handle, &copy) || d->fail();
}

bool SerialPort::setCommMask(uint32_t mask)
{
    return ::SetCommMask(d->handle, mask) || d->fail();
}

bool SerialPort::setupComm(uint32_t inQueue, uint32_t outQueue)
{
    return ::SetupComm(d->handle, inQueue, outQueue) || d->fail();
}

bool SerialPort::purgeComm(uint32_t flags)
{
    return ::PurgeComm(d->handle, flags) || d->fail();
}

bool SerialPort::setCommTimeouts(const COMMTIMEOUTS &timeouts)
{
    COMMTIMEOUTS copy = timeouts;
    return ::SetCommTimeouts(d->handle, &copy) || d->fail();
}

bool SerialPort::readFile(void *buffer, uint32_t size, uint32_t &read)
{
    read = 0;
    if (d->interrupted)
        return true;
    DWORD got = 0;
    const bool ok = ::ReadFile(d->handle, buffer, size, &got, nullptr);
    read = got;
    return ok || d->fail();
}

bool SerialPort::writeFile(const void *data, uint32_t size, uint32_t &written)
{
    written = 0;
    if (d->interrupted)
        return true;
    DWORD put = 0;
    const bool ok = ::WriteFile(d->handle, data, size, &put, nullptr);
    written = put;
    return ok || d->fail();
}

bool SerialPort::flushFileBuffers()
{
    return ::FlushFileBuffers(d->handle) || d->fail();
}

void SerialPort::closeHandle()
{
    if (d->handle != INVALID_HANDLE_VALUE)
        ::CloseHandle(d->handle);
    d->handle = INVALID_HANDLE_VALUE;
}

uint32_t SerialPort::lastError() const
{
    return d->error;
}

void SerialPort::interrupt()
{
    // A blocked ReadFile returns within the read time-out; later calls return at once.
    d->interrupted = true;
}

bool SerialPort::pause(uint32_t milliseconds)
{
    const uint32_t slice = 10;
    for (uint32_t waited = 0; waited < milliseconds && !d->interrupted; waited += slice)
        ::Sleep(milliseconds - waited < slice ? milliseconds - waited : slice);
    return d->interrupted;
}

PortErrorKind SerialPort::openErrorKind(uint32_t code)
{
    switch (code) {
    case 0:
        return PortErrorKind::None;
    case ERROR_ACCESS_DENIED: // what a COM port held by another program answers
    case ERROR_SHARING_VIOLATION:
        return PortErrorKind::InUse;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return PortErrorKind::NoSuchDevice;
    case ERROR_INVALID_PARAMETER:
        return PortErrorKind::SettingsRejected;
    default:
        return PortErrorKind::Other;
    }
}

PortErrorKind SerialPort::transferErrorKind(uint32_t code)
{
    switch (code) {
    case 0:
        return PortErrorKind::None;
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_OPERATION_ABORTED:
    case 1167: // ERROR_DEVICE_NOT_CONNECTED
    case 1617: // ERROR_DEVICE_REMOVED
        return PortErrorKind::PortLost;
    default:
        return PortErrorKind::Other;
    }
}

std::string SerialPort::deviceGroup(const Path &)
{
    return std::string();
}

} // namespace Ml
