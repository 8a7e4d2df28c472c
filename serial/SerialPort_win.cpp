// The serial platform layer on Windows: the kernel32 communications calls on a port handle
// opened exclusively and without overlapped I/O, so every transfer blocks within the
// port's time-outs.
//
// A synchronous ReadFile cannot be ended from another thread (CancelSynchronousIo and
// CancelIoEx do not end it everywhere, Wine included), and a write on the same handle waits
// behind it. So readFileWithin reads in short slices: the read's total time-out is set to the
// slice, at most maxReadSlice ms, and wake() and interrupt() are looked at between slices.
// The interval and multiplier stay at the maximum, so a byte arriving mid-slice still ends
// the read at once.
#include "serial/SerialPort.h"

#include <algorithm>
#include <atomic>
#include <chrono>

namespace Ml {

namespace {

bool sameTimeouts(const COMMTIMEOUTS &a, const COMMTIMEOUTS &b)
{
    return a.ReadIntervalTimeout == b.ReadIntervalTimeout &&
           a.ReadTotalTimeoutMultiplier == b.ReadTotalTimeoutMultiplier &&
           a.ReadTotalTimeoutConstant == b.ReadTotalTimeoutConstant &&
           a.WriteTotalTimeoutMultiplier == b.WriteTotalTimeoutMultiplier &&
           a.WriteTotalTimeoutConstant == b.WriteTotalTimeoutConstant;
}

} // namespace

struct SerialPort::Private
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    uint32_t error = 0;
    std::atomic<bool> interrupted{false};
    std::atomic<bool> woken{false};
    COMMTIMEOUTS configured{}; // as given to setCommTimeouts
    COMMTIMEOUTS active{};     // as the driver has them now (a slice's may differ)

    bool fail()
    {
        error = ::GetLastError();
        return false;
    }

    // Gives the driver these time-outs unless it has them already.
    bool use(const COMMTIMEOUTS &timeouts)
    {
        if (sameTimeouts(timeouts, active))
            return true;
        COMMTIMEOUTS copy = timeouts;
        if (!::SetCommTimeouts(handle, &copy))
            return fail();
        active = timeouts;
        return true;
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
    d->woken = false;
    d->configured = d->active = COMMTIMEOUTS{};
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
    if (!::SetCommTimeouts(d->handle, &copy))
        return d->fail();
    d->configured = d->active = timeouts;
    return true;
}

bool SerialPort::readFile(void *buffer, uint32_t size, uint32_t &read)
{
    read = 0;
    if (d->interrupted)
        return true;
    if (!d->use(d->configured))
        return false;
    DWORD got = 0;
    const bool ok = ::ReadFile(d->handle, buffer, size, &got, nullptr);
    read = got;
    return ok || d->fail();
}

bool SerialPort::readFileWithin(void *buffer, uint32_t size, uint32_t wait, uint32_t &read)
{
    using Clock = std::chrono::steady_clock;
    read = 0;
    const Clock::time_point start = Clock::now();
    COMMTIMEOUTS slice = d->configured;
    slice.ReadIntervalTimeout = Comm::maxDword;
    slice.ReadTotalTimeoutMultiplier = Comm::maxDword;
    for (;;) {
        if (d->interrupted || d->woken.exchange(false))
            return true;
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        const uint32_t left =
            spent.count() >= wait ? 0 : wait - static_cast<uint32_t>(spent.count());
        // A constant of 0 would not wait at all; 1 ms still takes what is waiting.
        slice.ReadTotalTimeoutConstant = std::max<uint32_t>(1, std::min(left, maxReadSlice));
        if (!d->use(slice))
            return false;
        DWORD got = 0;
        if (!::ReadFile(d->handle, buffer, size, &got, nullptr))
            return d->fail();
        read = got;
        if (got > 0 || left <= slice.ReadTotalTimeoutConstant)
            return true;
    }
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
    // A sliced read returns within its slice, a plain ReadFile within the read time-out, a
    // write within the write time-out; later calls return at once.
    d->interrupted = true;
}

void SerialPort::wake()
{
    d->woken = true;
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
    // ERROR_ACCESS_DENIED is what a COM port held by another program answers.
    return portErrorKindOf(code,
                           {{PortErrorKind::InUse, {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}},
                            {PortErrorKind::NoSuchDevice,
                             {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_NAME}},
                            {PortErrorKind::SettingsRejected, {ERROR_INVALID_PARAMETER}}});
}

PortErrorKind SerialPort::transferErrorKind(uint32_t code)
{
    // 1167: ERROR_DEVICE_NOT_CONNECTED; 1617: ERROR_DEVICE_REMOVED
    return portErrorKindOf(code, {{PortErrorKind::PortLost,
                                   {ERROR_ACCESS_DENIED, ERROR_INVALID_HANDLE, ERROR_BAD_COMMAND,
                                    ERROR_GEN_FAILURE, ERROR_OPERATION_ABORTED, 1167, 1617}}});
}

std::string SerialPort::deviceGroup(const Path &)
{
    return std::string();
}

} // namespace Ml
