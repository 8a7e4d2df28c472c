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
// Only what Windows and Wine share is asserted. Left to a real Windows machine with a
// USB-serial adapter:
// - exclusive opens: a second open of a held port fails there with ERROR_ACCESS_DENIED (5);
//   Wine lets it succeed, so it is only reported;
// - a read returning as soon as the first byte arrives: Wine waits out the time-out and then
//   returns what came, so only "all bytes arrive, in order" is asserted;
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
// The idle read may overrun its time-out by this much (scheduling, Wine's server round trips).
constexpr long long idleSlackMs = 150;

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

bool openPort(SerialPort &port, const std::string &name, std::unique_ptr<DCB> &state)
{
    const std::unique_ptr<PortSettings> settings(PortSettings::forTester());
    const PortOpenSequence::Result result =
        PortOpenSequence::run(port, PortOpenSequence::devicePath(wide(name)), settings.get(), state,
                              readTimeout, writeTimeout, PortOpenSequence::Hooks());
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

void checkSecondOpen(const std::string &name)
{
    SerialPort second;
    if (second.createFile(PortOpenSequence::devicePath(wide(name)))) {
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
    const std::unique_ptr<PortSettings> settings(PortSettings::forTester());
    const PortOpenSequence::Result result =
        PortOpenSequence::run(port, PortOpenSequence::devicePath(wide(name)), settings.get(), state,
                              readTimeout, writeTimeout, PortOpenSequence::Hooks());
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
    checkAbsentPort(argv[2]);
    checkAbsentPort("\\\\.\\" + std::string(argv[2]));
    checkDiscovery();
    std::printf("win-serial-check: %d passed, %d failed\n", passed, failed);
    return failed;
}
