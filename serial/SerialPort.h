// The thin platform layer under the serial port device: one open port and the communications
// calls made on it, named after their Windows counterparts. Built from SerialPort_win.cpp on
// Windows (the kernel32 communications calls) and from SerialPort_posix.cpp elsewhere
// (termios), which gives the same read, write, purge and time-out behaviour. Plain C++, no Qt.
//
// A SerialPort is used by one thread at a time, except interrupt(), which any thread may call
// while another is blocked in readFile, writeFile, flushFileBuffers or pause.
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
    // Writes within the write time-outs; on time-out returns true with the bytes written so far.
    bool writeFile(const void *data, uint32_t size, uint32_t &written);
    // Waits until written bytes have left the driver.
    bool flushFileBuffers();
    void closeHandle();

    // The system error code (errno, GetLastError) of the last call that failed.
    uint32_t lastError() const;

    // Wakes a blocked read, write, flush or pause at once and makes later ones return at once
    // (a read with 0 bytes), until the port is opened again. Safe from any thread.
    void interrupt();
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
