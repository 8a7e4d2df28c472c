#include "PseudoTerminal.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(std::string *error, bool slaveRaw)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        *error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char *name = nullptr;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        (name = ::ptsname(master)) == nullptr) {
        *error = std::string("cannot set up the pseudo-terminal: ") + std::strerror(errno);
        close();
        return false;
    }
    slave = name;
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    if (slaveRaw && !setSlaveRaw(error)) {
        close();
        return false;
    }
    watchCloses();
    return true;
}

bool PseudoTerminal::setSlaveRaw(std::string *error)
{
    // The slave's settings outlive this open: they stay while the master is
    // open, whoever opens and closes the slave in between.
    const int fd = openSlave();
    if (fd < 0) {
        *error = "cannot open " + slave + ": " + std::strerror(errno);
        return false;
    }
    termios tio;
    bool ok = ::tcgetattr(fd, &tio) == 0;
    if (ok) {
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
        tio.c_cflag |= CS8 | CREAD | CLOCAL;
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ok = ::tcsetattr(fd, TCSANOW, &tio) == 0;
    }
    if (!ok)
        *error = "cannot set " + slave + " raw: " + std::strerror(errno);
    ::close(fd);
    return ok;
}

void PseudoTerminal::watchCloses()
{
#ifdef __linux__
    watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch >= 0 && ::inotify_add_watch(watch, slave.c_str(), IN_CLOSE | IN_OPEN) < 0) {
        ::close(watch);
        watch = -1;
    }
#endif
}

bool PseudoTerminal::closedSinceLastCheck()
{
    if (watch < 0)
        return false;
    int closes = 0;
    // A close followed by an open is the far end closing and opening the port again. An open
    // followed by a close, while the session keeps the port, is another program that looked
    // at the device (and was turned away by the session's lock): not the session's end.
    bool reopened = false;
#ifdef __linux__
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = ::read(watch, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & IN_CLOSE)
                ++closes;
            else if ((event->mask & IN_OPEN) && closes > 0)
                reopened = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
#endif
    const int own = closes < ownCloses ? closes : ownCloses;
    ownCloses -= own;
    if (closes <= own)
        return false;
    return reopened || nobodyHasSlaveOpen();
}

bool PseudoTerminal::nobodyHasSlaveOpen() const
{
    // The master reports a hang-up while no process has the slave open.
    pollfd p{master, POLLIN, 0};
    return ::poll(&p, 1, 0) >= 0 && (p.revents & POLLHUP) != 0;
}

void PseudoTerminal::close()
{
    if (watch >= 0)
        ::close(watch);
    watch = -1;
    if (master >= 0)
        ::close(master);
    master = -1;
}

void PseudoTerminal::closeOwnSlave(int fd)
{
    if (watch >= 0)
        ++ownCloses;
    ::close(fd);
}

int PseudoTerminal::openSlave()
{
    return ::open(slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

void PseudoTerminal::discardUnread()
{
    // Fails harmlessly when the program left the port in exclusive mode.
    const int fd = openSlave();
    if (fd < 0)
        return;
    ::tcflush(fd, TCIFLUSH);
    closeOwnSlave(fd);
}

void PseudoTerminal::waitUntilRead(int maxMs)
{
    const int fd = openSlave();
    if (fd < 0)
        return;
    const timespec step{0, 10 * 1000 * 1000};
    // Bytes take a moment to pass from the master into the slave's queue.
    for (int waited = 0; waited < maxMs; waited += 10) {
        ::nanosleep(&step, nullptr);
        int unread = 0;
        if (::ioctl(fd, FIONREAD, &unread) != 0 || unread == 0)
            break;
    }
    closeOwnSlave(fd);
}

bool PseudoTerminal::send(const char *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(master, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        pollfd p = {master, POLLOUT, 0};
        ::poll(&p, 1, 100);
    }
    return true;
}

std::string PseudoTerminal::receive(std::size_t count, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string got;
    while (got.size() < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd p = {master, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0)
            got.append(buffer, static_cast<std::size_t>(n));
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            ::poll(nullptr, 0, 1); // nobody has the slave open yet
    }
    return got;
}

bool PseudoTerminal::attributes(termios &tio) const
{
    return ::tcgetattr(master, &tio) == 0;
}
