// The serial platform layer on Linux and other POSIX systems: termios in raw mode, an
// exclusive open, and poll against a monotonic deadline for the read and write time-outs.
// A pipe in every poll set lets interrupt() wake a blocked call at once (its byte stays, so
// every later call returns at once too); a second pipe, in the poll set of readFileWithin
// only, carries the one-shot wake() and is emptied by the read it wakes.
#include "serial/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
// The kernel's termios2 (arbitrary rates through BOTHER); <asm/termbits.h> clashes with
// <termios.h>, so the record is declared here as the kernel defines it.
struct termios2
{
    tcflag_t c_iflag;
    tcflag_t c_oflag;
    tcflag_t c_cflag;
    tcflag_t c_lflag;
    cc_t c_line;
    cc_t c_cc[19];
    speed_t c_ispeed;
    speed_t c_ospeed;
};
#ifndef BOTHER
#define BOTHER 0010000
#endif
#endif

namespace Ml {

namespace {

using Clock = std::chrono::steady_clock;

struct Rate
{
    uint32_t baud;
    speed_t speed;
};

const Rate rates[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {500000, B500000},   {576000, B576000},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
#endif
};

bool speedFor(uint32_t baud, speed_t &speed)
{
    for (const Rate &rate : rates) {
        if (rate.baud == baud) {
            speed = rate.speed;
            return true;
        }
    }
    return false;
}

// Modem-line calls a pseudo-terminal or a plain tty does not support are not failures.
bool unsupported(int error)
{
    return error == ENOTTY || error == EINVAL;
}

// Time-outs beyond this (about 35 years) are waits without limit; the deadline of a longer
// one would not fit the clock.
constexpr uint64_t longestTimeout = uint64_t(1) << 40;

Clock::time_point deadlineAfter(uint64_t milliseconds)
{
    return milliseconds > longestTimeout
               ? Clock::time_point::max()
               : Clock::now() + std::chrono::milliseconds(static_cast<int64_t>(milliseconds));
}

int millisecondsUntil(Clock::time_point deadline)
{
    const Clock::duration left = deadline - Clock::now(); // a deadline of max() fits too
    if (left <= Clock::duration::zero())
        return 0;
    const auto rounded = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::min<long long>(rounded, 1 << 30));
}

} // namespace

struct SerialPort::Private
{
    int fd = -1;
    int wakeRead = -1; // interrupt(): stays readable until the port is closed
    int wakeWrite = -1;
    int wakeupRead = -1; // wake(): emptied by the read it wakes
    int wakeupWrite = -1;
    uint32_t error = 0;
    COMMTIMEOUTS timeouts{};
    // What the line has no place for in termios (limits, event character, ...) is kept
    // here so that reading the state back gives what was written.
    DCB shadow{};
    Clock::time_point drainDeadline;

    bool fail(int code)
    {
        error = static_cast<uint32_t>(code);
        return false;
    }

    enum Wait { Failed, Ready, TimedOut, Interrupted, Woken };

    // Waits until the port is ready for the given events (no events: waits on the interrupt
    // pipe alone), until interrupt(), until wake() when wakeable, or until the deadline (none:
    // without limit). Ready bytes win over a wake-up, which then wakes the next wait.
    Wait wait(short events, const Clock::time_point *deadline, bool wakeable = false)
    {
        for (;;) {
            pollfd fds[3] = {{wakeRead, POLLIN, 0}, {fd, events, 0}, {wakeupRead, POLLIN, 0}};
            if (!events)
                fds[1].fd = -1; // poll ignores negative descriptors
            if (!wakeable)
                fds[2].fd = -1;
            const int ready = ::poll(fds, 3, deadline ? millisecondsUntil(*deadline) : -1);
            if (ready < 0) {
                if (errno == EINTR)
                    continue; // the time left is computed again from the deadline
                fail(errno);
                return Failed;
            }
            if (fds[0].revents)
                return Interrupted;
            if (fds[1].revents & POLLNVAL) {
                fail(EBADF);
                return Failed;
            }
            if (fds[1].revents)
                return Ready;
            if (fds[2].revents) {
                char drained[64];
                while (::read(wakeupRead, drained, sizeof drained) > 0) {
                }
                return Woken;
            }
            if (deadline && Clock::now() < *deadline)
                continue; // poll may wake a little early; wait out the rest
            return TimedOut;
        }
    }

    // One read: returns at once with what is waiting, else waits (see wait()) for the first
    // bytes; 0 bytes on time-out, interrupt() or wake-up.
    bool read(void *buffer, uint32_t size, const Clock::time_point *deadline, bool immediate,
              bool wakeable, uint32_t &got)
    {
        got = 0;
        for (;;) {
            const Wait ready = wait(POLLIN, deadline, wakeable);
            if (ready == Failed)
                return false;
            if (ready != Ready)
                return true;
            const ssize_t n = ::read(fd, buffer, size);
            if (n > 0) {
                got = static_cast<uint32_t>(n);
                return true;
            }
            if (n == 0)
                return fail(EIO); // hang-up: the far end or the adapter is gone
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return fail(errno);
            if (immediate)
                return true;
        }
    }

    static void closeFd(int &descriptor)
    {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
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
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return d->fail(errno);
    // flock keeps out every other program, root's included; TIOCEXCL keeps out plain opens
    // of other users' programs that do not lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        (::ioctl(fd, TIOCEXCL) != 0 && !unsupported(errno))) {
        const int error = errno;
        ::close(fd);
        return d->fail(error);
    }
    int interruptFds[2];
    int wakeupFds[2];
    if (::pipe(interruptFds) != 0) {
        const int error = errno;
        ::close(fd);
        return d->fail(error);
    }
    if (::pipe(wakeupFds) != 0) {
        const int error = errno;
        ::close(fd);
        ::close(interruptFds[0]);
        ::close(interruptFds[1]);
        return d->fail(error);
    }
    for (int wakeFd : {interruptFds[0], interruptFds[1], wakeupFds[0], wakeupFds[1]}) {
        ::fcntl(wakeFd, F_SETFD, FD_CLOEXEC);
        ::fcntl(wakeFd, F_SETFL, O_NONBLOCK);
    }
    d->fd = fd;
    d->wakeRead = interruptFds[0];
    d->wakeWrite = interruptFds[1];
    d->wakeupRead = wakeupFds[0];
    d->wakeupWrite = wakeupFds[1];
    d->timeouts = COMMTIMEOUTS{};
    std::memset(&d->shadow, 0, sizeof d->shadow);
    d->shadow.DCBlength = sizeof(DCB);
    d->shadow.fBinary = 1;
    return true;
}

bool SerialPort::isOpen() const
{
    return d->fd >= 0;
}

bool SerialPort::getCommState(DCB &state)
{
    termios tio;
    if (::tcgetattr(d->fd, &tio) != 0)
        return d->fail(errno);
    state = d->shadow;
    state.DCBlength = sizeof(DCB);
    state.BaudRate = 0;
#ifdef __linux__
    termios2 tio2;
    if (::ioctl(d->fd, TCGETS2, &tio2) == 0)
        state.BaudRate = tio2.c_ospeed;
#endif
    if (state.BaudRate == 0) {
        for (const Rate &rate : rates) {
            if (rate.speed == ::cfgetospeed(&tio))
                state.BaudRate = rate.baud;
        }
    }
    switch (tio.c_cflag & CSIZE) {
    case CS5:
        state.ByteSize = 5;
        break;
    case CS6:
        state.ByteSize = 6;
        break;
    case CS7:
        state.ByteSize = 7;
        break;
    default:
        state.ByteSize = 8;
    }
    const bool odd = tio.c_cflag & PARODD;
    state.Parity = !(tio.c_cflag & PARENB) ? 0 : odd ? 1 : 2;
#ifdef CMSPAR
    if ((tio.c_cflag & PARENB) && (tio.c_cflag & CMSPAR))
        state.Parity = odd ? 3 : 4;
#endif
    state.StopBits = !(tio.c_cflag & CSTOPB) ? 0 : state.ByteSize == 5 ? 1 : 2;
    state.fParity = (tio.c_iflag & INPCK) ? 1 : 0;
    state.fOutX = (tio.c_iflag & IXON) ? 1 : 0;
    state.fInX = (tio.c_iflag & IXOFF) ? 1 : 0;
    state.XonChar = static_cast<char>(tio.c_cc[VSTART]);
    state.XoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    const bool hardwareFlow = tio.c_cflag & CRTSCTS;
    state.fOutxCtsFlow = hardwareFlow ? 1 : 0;
    int lines = 0;
    if (::ioctl(d->fd, TIOCMGET, &lines) == 0) {
        state.fDtrControl = (lines & TIOCM_DTR) ? 1 : 0;
        state.fRtsControl = (lines & TIOCM_RTS) ? 1 : 0;
    }
    if (hardwareFlow)
        state.fRtsControl = 2;
    return true;
}

bool SerialPort::setCommState(const DCB &state)
{
    // Refuse what the line cannot do, as the Windows driver refuses it.
    const bool oneAndAHalf = state.StopBits == 1;
    if (state.BaudRate == 0 || state.ByteSize < 5 || state.ByteSize > 8 || state.Parity > 4 ||
        state.StopBits > 2 || oneAndAHalf != (state.ByteSize == 5 && state.StopBits != 0) ||
        state.fOutxDsrFlow || state.fDtrControl > 1 || state.fRtsControl > 2)
        return d->fail(EINVAL);
#ifndef CMSPAR
    if (state.Parity > 2)
        return d->fail(EINVAL);
#endif
    termios tio;
    if (::tcgetattr(d->fd, &tio) != 0)
        return d->fail(errno);
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                     IXANY | INPCK | IGNPAR);
    tio.c_iflag |=
        (state.fParity ? INPCK : 0) | (state.fOutX ? IXON : 0) | (state.fInX ? IXOFF : 0);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
#ifdef CMSPAR
    tio.c_cflag &= ~CMSPAR;
#endif
    tio.c_cflag |= CLOCAL | CREAD;
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[state.ByteSize - 5];
    if (state.Parity != 0)
        tio.c_cflag |= PARENB | ((state.Parity == 1 || state.Parity == 3) ? PARODD : 0);
#ifdef CMSPAR
    if (state.Parity >= 3)
        tio.c_cflag |= CMSPAR;
#endif
    if (state.StopBits != 0)
        tio.c_cflag |= CSTOPB;
    if (state.fOutxCtsFlow || state.fRtsControl == 2)
        tio.c_cflag |= CRTSCTS;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = static_cast<cc_t>(state.XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(state.XoffChar);
    speed_t speed;
    const bool standardRate = speedFor(state.BaudRate, speed);
    if (standardRate) {
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
    }
#ifndef __linux__
    else {
        return d->fail(EINVAL);
    }
#endif
    if (::tcsetattr(d->fd, TCSANOW, &tio) != 0)
        return d->fail(errno);
#ifdef __linux__
    if (!standardRate) {
        termios2 tio2;
        if (::ioctl(d->fd, TCGETS2, &tio2) != 0)
            return d->fail(errno);
        tio2.c_cflag = (tio2.c_cflag & ~CBAUD) | BOTHER;
        tio2.c_ispeed = tio2.c_ospeed = state.BaudRate;
        if (::ioctl(d->fd, TCSETS2, &tio2) != 0)
            return d->fail(errno);
    }
#endif
    const int dtr = TIOCM_DTR;
    const int rts = TIOCM_RTS;
    if (::ioctl(d->fd, state.fDtrControl ? TIOCMBIS : TIOCMBIC, &dtr) != 0 && !unsupported(errno))
        return d->fail(errno);
    if (state.fRtsControl != 2 &&
        ::ioctl(d->fd, state.fRtsControl ? TIOCMBIS : TIOCMBIC, &rts) != 0 && !unsupported(errno))
        return d->fail(errno);
    d->shadow = state;
    return true;
}

// The mask, queue-size and time-out calls keep nothing in the kernel; like their Windows
// counterparts they fail only on a port that is not open, or (time-outs) on a combination
// the Windows driver refuses too.
bool SerialPort::setCommMask(uint32_t)
{
    return d->fd >= 0 || d->fail(EBADF); // no comm events are delivered on this platform
}

bool SerialPort::setupComm(uint32_t, uint32_t)
{
    return d->fd >= 0 || d->fail(EBADF); // the kernel's queues have a fixed size
}

bool SerialPort::purgeComm(uint32_t flags)
{
    const bool input = flags & (Comm::purgeRxClear | Comm::purgeRxAbort);
    const bool output = flags & (Comm::purgeTxClear | Comm::purgeTxAbort);
    if (!input && !output)
        return true;
    const int queue = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(d->fd, queue) == 0 || d->fail(errno);
}

bool SerialPort::setCommTimeouts(const COMMTIMEOUTS &timeouts)
{
    if (d->fd < 0)
        return d->fail(EBADF);
    // Interval and multiplier at the maximum ask for "the first bytes, or nothing after the
    // constant"; a constant at the maximum as well is no time-out the driver can keep.
    if (timeouts.ReadIntervalTimeout == Comm::maxDword &&
        timeouts.ReadTotalTimeoutMultiplier == Comm::maxDword &&
        timeouts.ReadTotalTimeoutConstant == Comm::maxDword)
        return d->fail(EINVAL);
    d->timeouts = timeouts;
    return true;
}

bool SerialPort::readFile(void *buffer, uint32_t size, uint32_t &read)
{
    read = 0;
    if (size == 0)
        return true;
    const COMMTIMEOUTS &t = d->timeouts;
    // Total time-out: the constant, plus the multiplier per byte unless the multiplier is
    // the maximum (then the constant is the wait for the first byte). None at all waits
    // without limit; an interval of the maximum with no total returns at once.
    uint64_t total = t.ReadTotalTimeoutConstant;
    if (t.ReadTotalTimeoutMultiplier != Comm::maxDword)
        total += uint64_t(t.ReadTotalTimeoutMultiplier) * size;
    const bool immediate = t.ReadIntervalTimeout == Comm::maxDword && total == 0;
    const bool unlimited = (total == 0 && !immediate) || total > longestTimeout;
    const Clock::time_point deadline = deadlineAfter(total);
    return d->read(buffer, size, unlimited ? nullptr : &deadline, immediate, false, read);
}

bool SerialPort::readFileWithin(void *buffer, uint32_t size, uint32_t wait, uint32_t &read)
{
    read = 0;
    if (size == 0)
        return true;
    const Clock::time_point deadline = deadlineAfter(wait);
    return d->read(buffer, size, &deadline, wait == 0, true, read);
}

bool SerialPort::writeFile(const void *data, uint32_t size, uint32_t &written)
{
    written = 0;
    const COMMTIMEOUTS &t = d->timeouts;
    const uint64_t total =
        uint64_t(t.WriteTotalTimeoutMultiplier) * size + t.WriteTotalTimeoutConstant;
    const bool unlimited = total == 0 || total > longestTimeout;
    const Clock::time_point deadline = deadlineAfter(total);
    d->drainDeadline = unlimited ? Clock::time_point::max() : deadline;
    const char *bytes = static_cast<const char *>(data);
    while (written < size) {
        const ssize_t put = ::write(d->fd, bytes + written, size - written);
        if (put > 0) {
            written += static_cast<uint32_t>(put);
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return d->fail(errno);
        const Private::Wait ready = d->wait(POLLOUT, unlimited ? nullptr : &deadline);
        if (ready == Private::Failed)
            return false;
        if (ready != Private::Ready)
            return true; // time-out or interrupt: what went out so far
    }
    return true;
}

bool SerialPort::flushFileBuffers()
{
    // Wait until the driver has sent what was written, but not past the last write's
    // time-out and not past interrupt(): a line held by flow control must not hang us.
    for (;;) {
        int queued = 0;
        if (::ioctl(d->fd, TIOCOUTQ, &queued) != 0)
            return ::tcdrain(d->fd) == 0 || d->fail(errno);
        if (queued == 0 || Clock::now() >= d->drainDeadline)
            return true;
        if (pause(1))
            return true;
    }
}

void SerialPort::closeHandle()
{
    if (d->fd >= 0)
        ::ioctl(d->fd, TIOCNXCL);
    for (int *descriptor : {&d->fd, &d->wakeRead, &d->wakeWrite, &d->wakeupRead, &d->wakeupWrite})
        Private::closeFd(*descriptor);
}

uint32_t SerialPort::lastError() const
{
    return d->error;
}

void SerialPort::interrupt()
{
    if (d->wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(d->wakeWrite, &byte, 1);
    }
}

void SerialPort::wake()
{
    // A full pipe already holds a wake-up that has not been taken.
    if (d->wakeupWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(d->wakeupWrite, &byte, 1);
    }
}

bool SerialPort::pause(uint32_t milliseconds)
{
    if (d->wakeRead < 0)
        return false;
    const Clock::time_point deadline = deadlineAfter(milliseconds);
    return d->wait(0, &deadline) == Private::Interrupted;
}

PortErrorKind SerialPort::openErrorKind(uint32_t code)
{
    return portErrorKindOf(code, {{PortErrorKind::InUse, {EBUSY, EWOULDBLOCK}},
                                  {PortErrorKind::PermissionDenied, {EACCES, EPERM}},
                                  {PortErrorKind::NoSuchDevice, {ENOENT, ENODEV, ENXIO, ENOTDIR}},
                                  {PortErrorKind::SettingsRejected, {EINVAL}}});
}

PortErrorKind SerialPort::transferErrorKind(uint32_t code)
{
    return portErrorKindOf(code, {{PortErrorKind::PortLost, {EIO, ENODEV, ENXIO, EBADF}}});
}

std::string SerialPort::deviceGroup(const Path &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return std::string();
    group entry;
    group *found = nullptr;
    char buffer[4096];
    if (::getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || !found)
        return std::to_string(info.st_gid);
    return found->gr_name;
}

} // namespace Ml
