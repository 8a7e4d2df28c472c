// The Windows side of the serial check, run under Wine against a pseudo-terminal mapped as a COM
// port (tools/check-windows.sh). It drives the Win32 platform layer (SerialPort_win.cpp) and the
// open sequence exactly as the port device does, and reads the Ports class the way port
// discovery does. No Qt: Debian has no Qt for mingw.
//
//   win-serial-check.exe <port, e.g. COM5> <absent port, e.g. COM99>
//
// Every verdict is one line "PASS ..." or "FAIL ..."; "NOTE ..." lines carry figures and what
// Wine does differently. The exit code is the number of failures.
//
// The worker's way of reading is driven too (a small worker of its own here, with the same
// silence rule, SilenceClock): a write queued during a 10 s idle read wakes the read and
// reaches the Linux end at once (the far end times it), bytes read around wake-ups all arrive,
// the read time-out still means that much silence, and closing ends the idle read at once.
//
// Only what Windows and Wine share is asserted. Left to a real Windows machine with a
// USB-serial adapter:
// - exclusive opens: a second open of a held port fails there with ERROR_ACCESS_DENIED (5);
//   Wine lets it succeed, so it is only reported;
// - a read returning as soon as the first byte arrives: Wine waits out the time-out (for the
//   worker's reads, the slice) and then returns what came, so only "all bytes arrive, in
//   order" is asserted;
// - a write on a handle whose read is pending waits behind the read on Windows, so only the
//   reading thread writes; that the slice frees the handle is shown here, the queuing only
//   there;
// - an unplugged adapter: Windows fails the blocked read (ERROR_DEVICE_NOT_CONNECTED, ...); a
//   pseudo-terminal hang-up reads as silence under Wine;
// - DTR and RTS really raised: a pseudo-terminal has no modem lines;
// - discovery finding USB adapters with their names and USB IDs: Wine's device set-up service
//   lists no Ports-class devices for mapped ports.
#include "serial/ComPortRawRecord.h"
#include "serial/CommTypes.h"
#include "serial/PortOpenSequence.h"
#include "serial/PortSettings.h"
#include "serial/SerialPort.h"
#include "serial/SilenceClock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace Ml;

namespace {

int passed = 0;
int failed = 0;

// Reads and writes time out like the download's: 110 ms when nothing is stored.
constexpr uint32_t readTimeout = 110;
constexpr uint32_t writeTimeout = 110;
// The idle read may overrun its time-out by this much (scheduling, Wine's server round trips):
// generous, since the check runs beside the sanitizer tests on a loaded machine, and still far
// below a read that waits for data instead of timing out.
constexpr long long idleSlackMs = 1000;

void check(bool ok, const std::string &what)
{
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    ++(ok ? passed : failed);
}

void note(const std::string &what)
{
    std::printf("NOTE %s\n", what.c_str());
    std::fflush(stdout);
}

std::wstring wide(const std::string &text)
{
    return std::wstring(text.begin(), text.end());
}

std::string narrow(const std::wstring &text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

long long msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

// Runs the open sequence on the named port with the tester's line settings.
PortOpenSequence::Result openSequence(SerialPort &port, const std::string &name,
                                      std::unique_ptr<DCB> &state, uint32_t portReadTimeout)
{
    const std::unique_ptr<PortSettings> settings(PortSettings::forTester());
    return PortOpenSequence::run(port, PortOpenSequence::openPath(wide(name)), settings.get(),
                                 state, portReadTimeout, writeTimeout, PortOpenSequence::Hooks());
}

bool openPort(SerialPort &port, const std::string &name, std::unique_ptr<DCB> &state)
{
    const PortOpenSequence::Result result = openSequence(port, name, state, readTimeout);
    check(result == PortOpenSequence::Opened,
          "open " + name + " with 9600 8N1, DTR and RTS on (result " + std::to_string(result) +
              ", error " + std::to_string(port.lastError()) + ")");
    return result == PortOpenSequence::Opened;
}

void checkStateReadBack(SerialPort &port, const std::string &name)
{
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    const bool read = port.getCommState(dcb);
    check(read && dcb.BaudRate == 9600 && dcb.ByteSize == 8 && dcb.Parity == 0 &&
              dcb.StopBits == 0 && dcb.fBinary == 1 && dcb.fDtrControl == 1 &&
              dcb.fRtsControl == 1 && dcb.fOutX == 0 && dcb.fInX == 0 && dcb.fOutxCtsFlow == 0,
          name + ": the port reports the state written (baud " + std::to_string(dcb.BaudRate) +
              ", " + std::to_string(dcb.ByteSize) + " bits, parity " + std::to_string(dcb.Parity) +
              ", stop " + std::to_string(dcb.StopBits) + ", DTR " +
              std::to_string(dcb.fDtrControl) + ", RTS " + std::to_string(dcb.fRtsControl) + ")");
}

// With nothing arriving, a read gives 0 bytes after about the read time-out: not at once (the
// worker would spin) and not much later (the end of a download would drag).
void checkIdleRead(SerialPort &port, const std::string &name)
{
    char buffer[1024];
    uint32_t got = 1;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = port.readFile(buffer, sizeof buffer, got);
    const long long elapsed = msSince(start);
    check(ok && got == 0 && elapsed >= readTimeout / 2 && elapsed <= readTimeout + idleSlackMs,
          name + ": idle read gives 0 bytes in " + std::to_string(elapsed) + " ms (time-out " +
              std::to_string(readTimeout) + " ms)");
}

// Sends 0..255 (the far end checks them and answers 255..0) and reads the answer back.
void checkRoundTrip(SerialPort &port, const std::string &name)
{
    unsigned char out[256];
    for (int i = 0; i < 256; ++i)
        out[i] = static_cast<unsigned char>(i);
    uint32_t written = 0;
    const auto start = std::chrono::steady_clock::now();
    const bool wrote = port.writeFile(out, sizeof out, written);
    port.flushFileBuffers();
    check(wrote && written == sizeof out,
          name + ": 256 bytes written (" + std::to_string(written) + ")");

    std::vector<unsigned char> in;
    bool readOk = true;
    while (in.size() < 256 && msSince(start) < 5000) {
        unsigned char buffer[1024];
        uint32_t got = 0;
        if (!port.readFile(buffer, sizeof buffer, got)) {
            readOk = false;
            break;
        }
        in.insert(in.end(), buffer, buffer + got);
    }
    const long long elapsed = msSince(start);
    // A few more reads catch bytes that should not be there (an echo, a doubled byte).
    for (int i = 0; i < 2 && readOk; ++i) {
        unsigned char buffer[1024];
        uint32_t got = 0;
        readOk = port.readFile(buffer, sizeof buffer, got);
        in.insert(in.end(), buffer, buffer + got);
    }
    size_t firstWrong = 0;
    while (firstWrong < in.size() && firstWrong < 256 && in[firstWrong] == 255 - firstWrong)
        ++firstWrong;
    check(readOk && in.size() == 256 && firstWrong == 256,
          name + ": 256 byte values Linux -> Windows byte-exact (" + std::to_string(in.size()) +
              " bytes, first " + std::to_string(firstWrong) + " right)");
    // A pseudo-terminal ignores the baud rate; on a real line at 9600 baud this takes ~540 ms.
    note(name + ": round trip of 2 x 256 bytes took " + std::to_string(elapsed) + " ms");
}

// interrupt() is what closing the asynchronous device relies on to end its worker at once.
DWORD WINAPI interruptLater(void *port)
{
    ::Sleep(100);
    static_cast<SerialPort *>(port)->interrupt();
    return 0;
}

void checkInterrupt(SerialPort &port, const std::string &name)
{
    HANDLE thread = ::CreateThread(nullptr, 0, interruptLater, &port, 0, nullptr);
    const auto start = std::chrono::steady_clock::now();
    const bool interrupted = port.pause(10000);
    const long long paused = msSince(start);
    if (thread) {
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
    }
    check(thread && interrupted && paused < 2000,
          name + ": interrupt() from another thread ends a 10 s pause after " +
              std::to_string(paused) + " ms");

    char buffer[16];
    uint32_t got = 1;
    const auto readStart = std::chrono::steady_clock::now();
    const bool ok = port.readFile(buffer, sizeof buffer, got);
    const long long elapsed = msSince(readStart);
    check(ok && got == 0 && elapsed < static_cast<long long>(readTimeout),
          name + ": after interrupt() a read returns 0 bytes at once (" + std::to_string(elapsed) +
              " ms)");
}

// The wall-clock time in microseconds since 1970, as the Linux end reads it too (Wine takes
// it from the same system clock), so the far end can time how long a write took to arrive.
long long epochMicroseconds()
{
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<long long>((ticks - 116444736000000000ULL) / 10);
}

// The asynchronous device's worker, reduced to its loop: write out what is queued, read for
// what is left of the silence, count a time-out only after that much silence. queue() wakes
// the read as the device's write() does; close() ends it as the device's close() does.
class Worker
{
public:
    Worker(SerialPort &port, int timeout) : port(port), timeout(timeout)
    {
        ::InitializeCriticalSection(&lock);
        start = std::chrono::steady_clock::now();
        thread = ::CreateThread(nullptr, 0, &Worker::entry, this, 0, nullptr);
    }
    ~Worker()
    {
        stop(false);
        ::DeleteCriticalSection(&lock);
    }

    // A message the far end times and answers with `reply` bytes of its pattern.
    void queueMessage(const std::string &tag, int reply)
    {
        queue("W " + tag + " " + std::to_string(epochMicroseconds()) + " " + std::to_string(reply) +
              "\n");
    }
    void queue(const std::string &bytes)
    {
        ::EnterCriticalSection(&lock);
        queued += bytes;
        ::LeaveCriticalSection(&lock);
        port.wake();
    }
    // Ends the loop: with interrupt() as the device's close() does, or with a wake-up.
    // Returns how long that took in milliseconds.
    long long stop(bool interrupt)
    {
        const auto begin = std::chrono::steady_clock::now();
        if (!thread)
            return 0;
        stopping = true;
        if (interrupt)
            port.interrupt();
        else
            port.wake();
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
        thread = nullptr;
        return msSince(begin);
    }
    bool started() const { return thread != nullptr; }
    std::vector<unsigned char> received()
    {
        ::EnterCriticalSection(&lock);
        const std::vector<unsigned char> copy = bytes;
        ::LeaveCriticalSection(&lock);
        return copy;
    }
    // When each time-out came, in ms since the worker started.
    std::vector<long long> timeOuts()
    {
        ::EnterCriticalSection(&lock);
        const std::vector<long long> copy = timeOutsAt;
        ::LeaveCriticalSection(&lock);
        return copy;
    }
    bool failed() const { return portFailed; }

private:
    static DWORD WINAPI entry(void *self)
    {
        static_cast<Worker *>(self)->run();
        return 0;
    }
    void run()
    {
        SilenceClock silence(timeout);
        unsigned char chunk[1024];
        while (!stopping) {
            ::EnterCriticalSection(&lock);
            std::string out;
            out.swap(queued);
            ::LeaveCriticalSection(&lock);
            uint32_t written = 0;
            if (!out.empty() && (!port.writeFile(out.data(), uint32_t(out.size()), written) ||
                                 !port.flushFileBuffers() || written != out.size())) {
                portFailed = true;
                return;
            }
            uint32_t got = 0;
            if (!port.readFileWithin(chunk, sizeof chunk, uint32_t(silence.remaining()), got)) {
                portFailed = true;
                return;
            }
            ::EnterCriticalSection(&lock);
            bytes.insert(bytes.end(), chunk, chunk + got);
            if (got > 0) {
                silence.restart();
            } else if (!stopping && silence.due()) {
                timeOutsAt.push_back(msSince(start));
                silence.restart();
            }
            ::LeaveCriticalSection(&lock);
        }
    }

    SerialPort &port;
    const int timeout;
    CRITICAL_SECTION lock;
    std::string queued;
    std::vector<unsigned char> bytes;
    std::vector<long long> timeOutsAt;
    std::chrono::steady_clock::time_point start;
    std::atomic<bool> stopping{false};
    std::atomic<bool> portFailed{false};
    HANDLE thread = nullptr;
};

// What the far end answers to messages: one running pattern over all answers.
bool isFarEndPattern(const std::vector<unsigned char> &bytes, size_t &firstWrong)
{
    for (firstWrong = 0; firstWrong < bytes.size(); ++firstWrong) {
        if (bytes[firstWrong] != static_cast<unsigned char>((firstWrong * 7 + 3) & 0xFF))
            return false;
    }
    return true;
}

// Writes going out during reads, the silence rule and a prompt close, with the worker's reads.
void checkWorker(const std::string &name)
{
    SerialPort port;
    std::unique_ptr<DCB> state;
    const PortOpenSequence::Result result = openSequence(port, name, state, 10000);
    check(result == PortOpenSequence::Opened,
          name + ": open with a read time-out of 10000 ms (error " +
              std::to_string(port.lastError()) + ")");
    if (result != PortOpenSequence::Opened)
        return;

    {
        // Read time-out 110, a write every 50 ms: time-outs still come after 110 ms of
        // silence each, counted across the writes (a write neither ends nor restarts one).
        Worker worker(port, readTimeout);
        const auto start = std::chrono::steady_clock::now();
        while (msSince(start) < 1000) {
            worker.queueMessage("tick", 0);
            ::Sleep(50);
        }
        worker.stop(false);
        const std::vector<long long> at = worker.timeOuts();
        long long shortest = 1 << 30, longest = 0, previous = 0;
        for (long long t : at) {
            shortest = std::min(shortest, t - previous);
            longest = std::max(longest, t - previous);
            previous = t;
        }
        check(!worker.failed() && at.size() >= 3 &&
                  shortest >= static_cast<long long>(readTimeout) - 5 &&
                  longest <= readTimeout + idleSlackMs,
              name + ": with writes every 50 ms, " + std::to_string(at.size()) +
                  " time-outs in 1 s, " + std::to_string(shortest) + " to " +
                  std::to_string(longest) + " ms apart (time-out " + std::to_string(readTimeout) +
                  " ms)");
    }

    Worker worker(port, 10000);
    ::Sleep(330); // the worker waits in its read now, some way into a slice
    worker.queueMessage("idle", 0);
    ::Sleep(300);
    // The far end answers in small pieces; writes queued meanwhile wake the reads between
    // them. Every byte must arrive, in order.
    const size_t streamed = 4096;
    worker.queueMessage("stream", int(streamed));
    for (int i = 0; i < 20; ++i) {
        ::Sleep(10);
        worker.queueMessage("busy", 0);
    }
    const auto waitStart = std::chrono::steady_clock::now();
    while (worker.received().size() < streamed && msSince(waitStart) < 5000)
        ::Sleep(10);
    ::Sleep(300); // silent again
    const std::vector<unsigned char> got = worker.received();
    size_t firstWrong = 0;
    const bool pattern = isFarEndPattern(got, firstWrong);
    check(!worker.failed() && got.size() == streamed && pattern,
          name + ": " + std::to_string(got.size()) + " of " + std::to_string(streamed) +
              " bytes read around 21 wake-ups, " +
              (pattern ? std::string("all in order")
                       : "first wrong at " + std::to_string(firstWrong)));
    check(worker.timeOuts().empty(), name + ": no time-out within 1.2 s for a read time-out of "
                                            "10000 ms, writes or not");
    const long long closing = worker.stop(true);
    check(closing < 100,
          name + ": closing ends a 10 s idle read after " + std::to_string(closing) + " ms");
    port.closeHandle();
}

void checkSecondOpen(const std::string &name)
{
    SerialPort second;
    if (second.createFile(PortOpenSequence::openPath(wide(name)))) {
        note(name + ": a second open while the port is held succeeded; Wine does not enforce "
                    "exclusive opens, Windows answers ERROR_ACCESS_DENIED (5)");
    } else {
        const uint32_t code = second.lastError();
        check(SerialPort::openErrorKind(code) == PortErrorKind::InUse,
              name + ": a second open while the port is held fails as in use (error " +
                  std::to_string(code) + ")");
    }
}

void checkPort(const std::string &name, bool once)
{
    SerialPort port;
    std::unique_ptr<DCB> state;
    if (!openPort(port, name, state))
        return;
    checkStateReadBack(port, name);
    checkIdleRead(port, name);
    checkRoundTrip(port, name);
    checkIdleRead(port, name);
    if (once) {
        checkSecondOpen(name);
        checkInterrupt(port, name);
    }
    port.closeHandle();
    check(!port.isOpen(), name + ": closed");
}

void checkAbsentPort(const std::string &name)
{
    SerialPort port;
    std::unique_ptr<DCB> state;
    const PortOpenSequence::Result result = openSequence(port, name, state, readTimeout);
    const uint32_t code = port.lastError();
    // The port device shows this as "Win32SerialDevice::open failed with error: <code>".
    check(result == PortOpenSequence::PortUnavailable && !port.isOpen() &&
              (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) &&
              SerialPort::openErrorKind(code) == PortErrorKind::NoSuchDevice,
          "open " + name + " fails as no such device: Win32SerialDevice::open failed with error: " +
              std::to_string(code));
}

void checkDiscovery()
{
    const std::vector<ComPortRawRecord> records = ComPortRawRecord::readAll();
    check(true, "discovery read the Ports class: " + std::to_string(records.size()) + " devices");
    for (const ComPortRawRecord &r : records)
        note("discovered \"" + narrow(r.portName) + "\" \"" + narrow(r.friendlyName) + "\" \"" +
             narrow(r.physicalDeviceName) + "\" \"" + narrow(r.enumeratorName) + "\" \"" +
             narrow(r.hardwareId) + "\"");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: win-serial-check <port> <absent port>\n");
        return 100;
    }
    const std::string port = argv[1];
    note(std::string("built for ") + (sizeof(void *) == 8 ? "64" : "32") + "-bit Windows");
    checkPort(port, true);
    checkPort("\\\\.\\" + port, false);
    checkWorker(port);
    checkAbsentPort(argv[2]);
    checkAbsentPort("\\\\.\\" + std::string(argv[2]));
    checkDiscovery();
    std::printf("win-serial-check: %d passed, %d failed\n", passed, failed);
    return failed;
}
