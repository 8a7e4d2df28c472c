#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

bool PseudoTerminal::open(std::string *error)
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

    // The slave's settings outlive this open: they stay while the master is
    // open, whoever opens and closes the slave in between.
    const int fd = openSlave();
    if (fd < 0) {
        *error = "cannot open " + slave + ": " + std::strerror(errno);
        close();
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
    if (!ok) {
        close();
        return false;
    }
#ifdef __linux__
    watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch >= 0 && ::inotify_add_watch(watch, slave.c_str(), IN_CLOSE) < 0) {
        ::close(watch);
        watch = -1;
    }
#endif
    return true;
}

bool PseudoTerminal::closedSinceLastCheck()
{
    if (watch < 0)
        return false;
    int closes = 0;
#ifdef __linux__
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = ::read(watch, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->mask & IN_CLOSE)
                ++closes;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
#endif
    const int own = closes < ownCloses ? closes : ownCloses;
    ownCloses -= own;
    return closes > own;
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
