// The thin platform layer under the serial port device: one open port and the communications
// calls made on it, named after their Windows counterparts. Built from SerialPort_win.cpp on
// Windows (the kernel32 communications calls) and from SerialPort_posix.cpp elsewhere
// (termios), which gives the same read, write, purge and time-out behaviour. Plain C++, no Qt.
//
// A SerialPort is used by one thread at a time, except interrupt() and wake(), which any thread
// may call while another is blocked in readFile, readFileWithin, writeFile, flushFileBuffers or
// pause.
#pragma once

#include "serial/CommTypes.h"
#include "serial/PortErrorKind.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Ml {

class SerialPort
{
public:
#ifdef _WIN32
    using Path = std::wstring;
#else
    using Path = std::string;
#endif

    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens the port exclusively for blocking reads and writes. False when the port is
    // absent, held by someone else or not a serial port.
    bool createFile(const Path &path);
    bool isOpen() const;
    bool getCommState(DCB &state);
    // False when the port cannot take the state (an unknown rate, 9 data bits, ...).
    bool setCommState(const DCB &state);
    bool setCommMask(uint32_t mask);
    bool setupComm(uint32_t inQueue, uint32_t outQueue);
    bool purgeComm(uint32_t flags);
    bool setCommTimeouts(const COMMTIMEOUTS &timeouts);
    // With the time-outs the device uses (interval and multiplier at the maximum, a constant
    // between 1 and the maximum - 1): returns at once with what is waiting, else with the
    // first bytes to arrive, else with 0 bytes after the constant. False on a failed read.
    bool readFile(void *buffer, uint32_t size, uint32_t &read);
    // The same read with its own bound instead of the read time-out: returns what is waiting,
    // else the first bytes to arrive within `wait` milliseconds (0: only what is waiting), else
    // 0 bytes. Also returns 0 bytes at once on wake() or interrupt(). On Windows it reads in
    // slices of at most maxReadSlice milliseconds (the slice never reaching past `wait`),
    // looking for a wake-up between them; on POSIX a poll wakes it directly.
    bool readFileWithin(void *buffer, uint32_t size, uint32_t wait, uint32_t &read);
    static constexpr uint32_t maxReadSlice = 50;
    // Writes within the write time-outs; on time-out returns true with the bytes written so far.
    bool writeFile(const void *data, uint32_t size, uint32_t &written);
    // Waits until written bytes have left the driver.
    bool flushFileBuffers();
    void closeHandle();

    // The system error code (errno, GetLastError) of the last call that failed.
    uint32_t lastError() const;

    // Wakes a blocked read, write, flush or pause at once and makes later ones return at once
    // (a read with 0 bytes), until the port is opened again: the port is being closed. Safe
    // from any thread.
    void interrupt();
    // Ends the one readFileWithin waiting now with 0 bytes, or the next one when none waits
    // (so a wake-up issued just before the read is not lost); later reads wait as usual. Does
    // not touch readFile, writes or pause. Safe from any thread.
    void wake();
    // Waits for the given time or until interrupt(); true when interrupted.
    bool pause(uint32_t milliseconds);

    // What a failed open's error code means, and what a failed transfer's means.
    static PortErrorKind openErrorKind(uint32_t code);
    static PortErrorKind transferErrorKind(uint32_t code);
    // The group that owns the device node (who may open it), empty where unknown.
    static std::string deviceGroup(const Path &path);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Ml
