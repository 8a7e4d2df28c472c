// The Linux end of the Windows serial check: a pseudo-terminal whose slave Wine opens as a COM
// port. Prints the slave's path on the first line, then serves a number of rounds: it expects
// the 256 byte values 0..255 in order from the Windows side, checks them and the line settings
// Wine gave the slave (9600 8N1, raw), and answers with the 256 values in reverse order.
// Between rounds it takes messages "W <tag> <wall-clock microseconds> <reply size>\n": it
// times how long each took from being queued on the Windows side to arriving here (under 100
// ms, also when queued during a 10 s idle read), and answers with <reply size> bytes of a
// running pattern ((n * 7 + 3) & 0xFF over all answers), sent in small pieces.
// It keeps serving until SIGTERM (so the last answer stays readable while the Windows side
// reads it) or until the time-out. Every verdict is one line "PASS ..." or "FAIL ..."; the exit
// code is 0 only when all rounds passed and no stray byte came. Plain POSIX.
//
//   pty-peer <rounds> <timeout-seconds>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

int failures = 0;
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void verdict(bool ok, const std::string &what)
{
    std::printf("%s peer: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok)
        ++failures;
}

bool writeAll(int fd, const unsigned char *data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n < 0)
            ::usleep(1000);
        done += n > 0 ? size_t(n) : 0;
    }
    return true;
}

// What Wine made of the port settings, seen through the master (its termios ioctls act on the
// slave): 9600 baud, 8 data bits, no parity, one stop bit, and nothing that alters bytes.
std::string lineSettingsFault(int master)
{
    termios tio;
    if (::tcgetattr(master, &tio) != 0)
        return std::string("tcgetattr: ") + std::strerror(errno);
    std::string fault;
    if (::cfgetospeed(&tio) != B9600 || ::cfgetispeed(&tio) != B9600)
        fault += " speed is not 9600;";
    if ((tio.c_cflag & CSIZE) != CS8)
        fault += " not 8 data bits;";
    if (tio.c_cflag & PARENB)
        fault += " parity on;";
    if (tio.c_cflag & CSTOPB)
        fault += " two stop bits;";
    if (tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN))
        fault += " canonical/echo/signals on;";
    if (tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP))
        fault += " input translation or XON/XOFF on;";
    if (tio.c_oflag & OPOST)
        fault += " output processing on;";
    return fault;
}

long long epochMicroseconds()
{
    timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// The longest a message may take from being queued to arriving here.
constexpr double messageBoundMs = 100.0;

struct Messages
{
    int count = 0; // other than "idle" and "stream", which get a line each
    double slowestMs = 0;
    std::vector<unsigned char> pending; // answer bytes not yet sent
    unsigned long long answered = 0;    // answer bytes made so far

    void take(const std::string &line, long long arrived)
    {
        char tag[32] = {};
        long long queued = 0;
        int reply = 0;
        if (std::sscanf(line.c_str(), "W %31s %lld %d", tag, &queued, &reply) != 3 || reply < 0) {
            verdict(false, "unreadable message '" + line + "'");
            return;
        }
        const double ms = double(arrived - queued) / 1000.0;
        const std::string what = tag;
        if (what == "idle" || what == "stream" || ms >= messageBoundMs) {
            char text[200];
            std::snprintf(text, sizeof text,
                          "%s: a write queued %s reached the Linux end after "
                          "%.1f ms",
                          tag, what == "idle" ? "during a 10 s idle read" : "on the Windows side",
                          ms);
            verdict(ms >= 0 && ms < messageBoundMs, text);
        }
        if (what != "idle" && what != "stream") {
            ++count;
            slowestMs = std::max(slowestMs, ms);
        }
        for (int i = 0; i < reply; ++i, ++answered)
            pending.push_back(static_cast<unsigned char>((answered * 7 + 3) & 0xFF));
    }

    void report()
    {
        if (count == 0)
            return;
        char text[160];
        std::snprintf(text, sizeof text,
                      "%d further writes each reached the Linux end within %.1f ms", count,
                      slowestMs);
        verdict(slowestMs < messageBoundMs, text);
    }
};

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    const int timeoutSeconds = argc > 2 ? std::atoi(argv[2]) : 60;

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("pty-peer: pseudo-terminal");
        return 2;
    }
    const char *slave = ::ptsname(master);
    if (!slave) {
        std::perror("pty-peer: ptsname");
        return 2;
    }
    // Holding the slave open keeps the pseudo-terminal and its settings alive while Wine opens
    // and closes it; without it the master reads fail between two opens.
    const int slaveHold = ::open(slave, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveHold < 0) {
        std::perror("pty-peer: slave");
        return 2;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::printf("%s\n", slave);
    std::fflush(stdout);

    unsigned char expected[256], answer[256];
    for (int i = 0; i < 256; ++i) {
        expected[i] = static_cast<unsigned char>(i);
        answer[i] = static_cast<unsigned char>(255 - i);
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    std::vector<unsigned char> received;
    Messages messages;
    int served = 0;
    while (!stopRequested) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            verdict(false, "timed out");
            break;
        }
        // Answers go out in pieces of 64 bytes, 2 ms apart, so that the Windows side reads
        // them in many turns, between its own writes.
        if (!messages.pending.empty()) {
            const size_t n = std::min<size_t>(64, messages.pending.size());
            if (!writeAll(master, messages.pending.data(), n))
                verdict(false, "answer not sent");
            messages.pending.erase(messages.pending.begin(), messages.pending.begin() + long(n));
        }
        const int wait = messages.pending.empty() ? 200 : 2;
        pollfd p = {master, POLLIN, 0};
        if (::poll(&p, 1, int(left < wait ? left : wait)) <= 0)
            continue;
        unsigned char buffer[1024];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        const long long arrived = epochMicroseconds();
        received.insert(received.end(), buffer, buffer + n);
        for (;;) {
            if (!received.empty() && received[0] == 'W') {
                const auto end = std::find(received.begin(), received.end(), '\n');
                if (end == received.end())
                    break;
                messages.take(std::string(received.begin(), end), arrived);
                received.erase(received.begin(), end + 1);
                continue;
            }
            if (received.size() < 256 || served == rounds)
                break;
            ++served;
            const std::string round = "round " + std::to_string(served) + ": ";
            size_t firstWrong = 0;
            while (firstWrong < 256 && received[firstWrong] == expected[firstWrong])
                ++firstWrong;
            // A byte too many is left over and counted as stray at the end.
            verdict(firstWrong == 256,
                    round + "256 byte values Windows -> Linux byte-exact" +
                        (firstWrong == 256
                             ? std::string()
                             : " (first difference at byte " + std::to_string(firstWrong) + ")"));
            const std::string fault = lineSettingsFault(master);
            verdict(fault.empty(), round + "line settings 9600 8N1 raw" +
                                       (fault.empty() ? std::string() : ":" + fault));
            received.erase(received.begin(), received.begin() + 256);
            verdict(writeAll(master, answer, sizeof answer), round + "256 bytes sent back");
        }
    }
    messages.report();
    verdict(served == rounds && received.empty(),
            std::to_string(served) + " of " + std::to_string(rounds) + " rounds served, " +
                std::to_string(received.size()) + " stray bytes");
    ::close(slaveHold);
    ::close(master);
    return failures == 0 ? 0 : 1;
}
