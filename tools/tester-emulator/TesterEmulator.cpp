#include "TesterEmulator.h"

#include "PseudoTerminal.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

// How long the port is left to settle after it was opened before the NUL
// bytes go out, so a program that flushes its queues right after opening
// still receives them.
const std::chrono::milliseconds nulSettle(50);
// How often a closed port is looked at again.
const timespec closedPortPoll{0, 20 * 1000 * 1000};
// A writer stalled this long (the host not reading) restarts its pacing
// instead of catching up in a burst.
const std::chrono::milliseconds paceSlack(200);

int millisecondsUntil(std::chrono::steady_clock::time_point until)
{
    const auto left = until - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero())
        return 0;
    // Rounded up: waking a little late keeps the average rate, early does not.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// How a line the program set up differs from the tester's (9600 baud, one stop bit, no flow
// control); empty when it does not. A tester at 9600 hears anything else as noise. Data bits and
// parity cannot be told here: a pseudo-terminal always has 8 and none.
std::string lineMismatch(const termios &tio)
{
    static const struct
    {
        speed_t speed;
        const char *baud;
    } speeds[] = {{B1200, "1200"},   {B2400, "2400"},   {B4800, "4800"},   {B9600, "9600"},
                  {B19200, "19200"}, {B38400, "38400"}, {B57600, "57600"}, {B115200, "115200"}};
    std::string mismatch;
    const speed_t speed = ::cfgetospeed(&tio);
    if (speed != B9600) {
        const char *baud = "a speed other than 9600";
        for (const auto &known : speeds)
            baud = known.speed == speed ? known.baud : baud;
        mismatch += std::string(baud) + " baud; ";
    }
    if (tio.c_cflag & CSTOPB)
        mismatch += "2 stop bits; ";
    if (tio.c_cflag & CRTSCTS)
        mismatch += "RTS/CTS flow control; ";
    if (tio.c_iflag & (IXON | IXOFF))
        mismatch += "XON/XOFF flow control; ";
    return mismatch;
}

} // namespace

TesterEmulator::TesterEmulator(const EmulatorOptions &options, std::string results,
                               PseudoTerminal &terminal,
                               const volatile std::sig_atomic_t &stopRequested)
    : options(options), results(std::move(results)), terminal(terminal),
      stopRequested(stopRequested)
{
}

void TesterEmulator::log(const char *format, ...) const
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::fprintf(stderr, "tester-emulator: %s\n", text);
}

int TesterEmulator::run()
{
    log("%zu bytes of results, %s; waiting for the port to be opened", results.size(),
        options.baud == 0 ? "unpaced" : (std::to_string(options.baud) + " baud").c_str());
    while (!stopping() && !lineDropped && !failed) {
        // A closed port is looked at every few milliseconds (below), so an
        // open is seen at once; an open one is waited on.
        const int revents = pollLine(POLLIN, portOpen ? 100 : 0);
        if (revents < 0)
            return 1;
        if (closeSeen) {
            if (portOpen)
                portClosed();
            closeSeen = false;
        }
        // While nobody has the slave open the master reports a hang-up, and
        // keeps reporting it at once: look again a little later.
        const bool closed = (revents & (POLLHUP | POLLERR)) != 0;
        if (!closed && !portOpen)
            portOpened();
        if (revents & POLLIN) {
            takeInput(true);
        } else if (closed) {
            if (portOpen)
                portClosed();
            ::nanosleep(&closedPortPoll, nullptr);
            continue;
        }
        if (scanner.requestComplete()) {
            if (closed || !portOpen || closeSeen)
                log("session %d: request arrived as the port closed; not answered", session);
            else
                answer();
            scanner.reset();
        }
    }
    if (lineDropped)
        log("line dropped; exiting");
    else if (!failed)
        log("stopped");
    return failed ? 1 : 0;
}

void TesterEmulator::portOpened()
{
    portOpen = true;
    ++session;
    scanner.reset();
    log("session %d: port opened", session);
    if (options.nulPrefix <= 0)
        return;
    Outcome outcome = idleUntil(Clock::now() + nulSettle, true);
    std::size_t sent = 0;
    if (outcome == Outcome::Done)
        outcome =
            send(std::string(static_cast<std::size_t>(options.nulPrefix), '\0'), false, &sent);
    if (outcome == Outcome::Done)
        log("session %d: sent %zu NUL bytes", session, sent);
    else if (outcome == Outcome::PortClosed)
        portClosed();
}

void TesterEmulator::portClosed()
{
    log("session %d: port closed", session);
    portOpen = false;
    closeSeen = false;
    scanner.reset();
    terminal.discardUnread();
}

void TesterEmulator::answer()
{
    if (options.ignoreCommands) {
        log("session %d: request received; not answering", session);
        return;
    }
    termios tio;
    const std::string mismatch =
        terminal.attributes(tio) ? lineMismatch(tio) : "settings unreadable; ";
    if (!mismatch.empty()) {
        log("session %d: request received on a line with %snot 9600 baud, 1 stop bit, no flow "
            "control: a tester hears only noise and does not answer",
            session, mismatch.c_str());
        return;
    }
    log("session %d: request received; sending %zu bytes", session, results.size());
    const auto start = Clock::now();
    std::size_t sent = 0;
    switch (send(results, true, &sent)) {
    case Outcome::Done:
        log("session %d: sent %zu bytes in %.1f s; silent now", session, sent,
            std::chrono::duration<double>(Clock::now() - start).count());
        break;
    case Outcome::PortClosed:
        log("session %d: reply cut off after %zu of %zu bytes", session, sent, results.size());
        portClosed();
        break;
    case Outcome::HungUp:
        log("session %d: dropping the line after %zu bytes", session, sent);
        // What was sent reaches the host before the line goes; closing the
        // master would discard the bytes still queued for it.
        terminal.waitUntilRead(2000);
        terminal.close();
        lineDropped = true;
        break;
    case Outcome::Stopped:
        break;
    case Outcome::Failed:
        failed = true;
        break;
    }
}

TesterEmulator::Outcome TesterEmulator::send(const std::string &bytes, bool reply,
                                             std::size_t *sent)
{
    const long long hangupAt = reply ? options.hangupAfter : EmulatorOptions::none;
    long long pauseAt = reply ? options.pauseAfter : EmulatorOptions::none;
    // 8N1: a start bit, eight data bits and a stop bit per byte.
    const double bytesPerSecond = options.baud / 10.0;
    const std::size_t slice =
        options.baud == 0 ? 4096
                          : std::max<std::size_t>(1, static_cast<std::size_t>(options.baud) / 1000);
    auto paceStart = Clock::now();
    std::size_t pacedFrom = 0;
    char buffer[4096];

    *sent = 0;
    while (true) {
        if (stopping())
            return Outcome::Stopped;
        const auto done = static_cast<long long>(*sent);
        if (hangupAt != EmulatorOptions::none && done >= hangupAt)
            return Outcome::HungUp;
        if (*sent == bytes.size())
            return Outcome::Done;
        if (pauseAt != EmulatorOptions::none && done >= pauseAt) {
            pauseAt = EmulatorOptions::none;
            log("session %d: pausing %lld ms after %zu bytes", session, options.pauseMs, *sent);
            const Outcome outcome =
                idleUntil(Clock::now() + std::chrono::milliseconds(options.pauseMs), !reply);
            if (outcome != Outcome::Done)
                return outcome;
            paceStart = Clock::now();
            pacedFrom = *sent;
        }

        std::size_t count = std::min(slice, bytes.size() - *sent);
        for (long long limit : {hangupAt, pauseAt}) {
            if (limit != EmulatorOptions::none && limit > done)
                count = std::min(count, static_cast<std::size_t>(limit - done));
        }

        if (options.baud > 0) {
            const auto due =
                paceStart +
                std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                    static_cast<double>(*sent - pacedFrom) / bytesPerSecond));
            const auto now = Clock::now();
            if (now > due + paceSlack) {
                paceStart = now;
                pacedFrom = *sent;
            } else if (now < due) {
                const Outcome outcome = idleUntil(due, !reply);
                if (outcome != Outcome::Done)
                    return outcome;
            }
        }

        for (std::size_t i = 0; i < count; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[*sent + i]);
            buffer[i] = static_cast<char>(options.bit7 ? (byte | 0x80) : byte);
        }
        const ssize_t written = ::write(terminal.masterFd(), buffer, count);
        if (written > 0) {
            *sent += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EIO) {
            return Outcome::PortClosed;
        } else if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            log("write failed: %s", std::strerror(errno));
            return Outcome::Failed;
        } else {
            const Outcome outcome = waitWritable();
            if (outcome != Outcome::Done)
                return outcome;
        }
    }
}

TesterEmulator::Outcome TesterEmulator::waitWritable()
{
    while (!stopping()) {
        const int revents = pollLine(POLLOUT | POLLIN, 50);
        const Outcome line = serviceLine(revents, false);
        if (line != Outcome::Done)
            return line;
        if (revents & POLLOUT)
            return Outcome::Done;
    }
    return Outcome::Stopped;
}

TesterEmulator::Outcome TesterEmulator::idleUntil(Clock::time_point until, bool scan)
{
    while (!stopping()) {
        const int timeout = millisecondsUntil(until);
        const int revents = pollLine(POLLIN, std::min(timeout, 100));
        const Outcome line = serviceLine(revents, scan);
        if (line != Outcome::Done)
            return line;
        if (timeout == 0 || Clock::now() >= until)
            return Outcome::Done;
    }
    return Outcome::Stopped;
}

TesterEmulator::Outcome TesterEmulator::serviceLine(int revents, bool scan)
{
    if (revents < 0)
        return Outcome::Failed;
    if (revents & POLLIN)
        takeInput(scan);
    if (closeSeen || (!(revents & POLLIN) && (revents & (POLLHUP | POLLERR))))
        return Outcome::PortClosed;
    return Outcome::Done;
}

int TesterEmulator::pollLine(short events, int timeoutMs)
{
    pollfd p[2] = {{terminal.masterFd(), events, 0}, {terminal.watchFd(), POLLIN, 0}};
    if (::poll(p, terminal.watchFd() >= 0 ? 2 : 1, timeoutMs) < 0) {
        if (errno == EINTR)
            return 0;
        log("poll failed: %s", std::strerror(errno));
        return -1;
    }
    if ((p[1].revents & POLLIN) && terminal.closedSinceLastCheck())
        closeSeen = true;
    return p[0].revents;
}

void TesterEmulator::takeInput(bool scan)
{
    unsigned char buffer[1024];
    while (true) {
        const ssize_t n = ::read(terminal.masterFd(), buffer, sizeof buffer);
        if (n <= 0)
            return; // EAGAIN: all taken; EIO: the port was closed
        if (!scan)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            switch (scanner.feed(buffer[i])) {
            case CommandScanner::Event::Remote:
                log("session %d: SYST:REM", session);
                break;
            case CommandScanner::Event::DataRequest:
                log("session %d: MEM:DATA? ALL", session);
                break;
            case CommandScanner::Event::RequestWithoutRemote:
                log("session %d: MEM:DATA? ALL without SYST:REM first; ignored", session);
                break;
            case CommandScanner::Event::None:
                break;
            }
        }
    }
}
