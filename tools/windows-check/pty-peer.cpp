// The Linux end of the Windows serial check: a pseudo-terminal whose slave Wine opens as a COM
// port. Prints the slave's path on the first line, then serves a number of rounds: it expects
// the 256 byte values 0..255 in order from the Windows side, checks them and the line settings
// Wine gave the slave (9600 8N1, raw), and answers with the 256 values in reverse order.
// It keeps serving until SIGTERM (so the last answer stays readable while the Windows side
// reads it) or until the time-out. Every verdict is one line "PASS ..." or "FAIL ..."; the exit
// code is 0 only when all rounds passed and no stray byte came. Plain POSIX.
//
//   pty-peer <rounds> <timeout-seconds>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    int served = 0;
    while (!stopRequested) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            verdict(false, "timed out");
            break;
        }
        pollfd p = {master, POLLIN, 0};
        if (::poll(&p, 1, int(left < 200 ? left : 200)) <= 0)
            continue;
        unsigned char buffer[1024];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        received.insert(received.end(), buffer, buffer + n);
        if (received.size() < 256 || served == rounds)
            continue;
        ++served;
        const std::string round = "round " + std::to_string(served) + ": ";
        size_t firstWrong = 0;
        while (firstWrong < 256 && received[firstWrong] == expected[firstWrong])
            ++firstWrong;
        verdict(firstWrong == 256 && received.size() == 256,
                round + "256 byte values Windows -> Linux byte-exact" +
                    (firstWrong == 256
                         ? std::string()
                         : " (first difference at byte " + std::to_string(firstWrong) + ")") +
                    (received.size() == 256
                         ? std::string()
                         : " (" + std::to_string(received.size()) + " bytes received)"));
        const std::string fault = lineSettingsFault(master);
        verdict(fault.empty(), round + "line settings 9600 8N1 raw" +
                                   (fault.empty() ? std::string() : ":" + fault));
        received.clear();
        verdict(writeAll(master, answer, sizeof answer), round + "256 bytes sent back");
    }
    verdict(served == rounds && received.empty(),
            std::to_string(served) + " of " + std::to_string(rounds) + " rounds served, " +
                std::to_string(received.size()) + " stray bytes");
    ::close(slaveHold);
    ::close(master);
    return failures == 0 ? 0 : 1;
}
