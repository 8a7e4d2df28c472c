// How a port is opened and configured, written once over the platform layer: open it
// exclusively, read its state, lay the settings over it, fix the event mask, queue sizes and
// time-outs, discard what arrived before, and write the state back. Plain C++, no Qt.
#pragma once

#include "serial/CommTypes.h"
#include "serial/PortSettings.h"
#include "serial/SerialPort.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Ml {

class PortOpenSequence
{
public:
    enum Result {
        Opened,
        PortUnavailable, // the port could not be opened or its state not read
        StateRejected,   // the port refused the configured state
        // the port refused its time-outs: reads could then wait until the buffer fills, and a
        // close behind them for ever
        ConfigurationRejected,
    };

    struct Hooks
    {
        std::function<void(COMMTIMEOUTS &)> configureTimeouts;
        std::function<void()> configurePortState;
        // A step the port refused that the open goes on without (the event mask, the queue
        // sizes, the purge), with the system's error code.
        std::function<void(const char *step, uint32_t error)> setupStepRefused;
    };

    // A Windows port name with the local device prefix "\\.\" in front, unless it already
    // begins with it (exact, case-sensitive). Any length.
    static std::wstring localDevicePath(const std::wstring &name);
    // The path the platform opens for a port name: prefixed on Windows, as given elsewhere
    // (/dev/ttyUSB0, /dev/serial/by-id/...).
    static SerialPort::Path openPath(const SerialPort::Path &name);
    // Reads return what is waiting or the first bytes to arrive, else nothing after
    // readTimeout; writes may take writeTimeout plus 1 ms per byte.
    static COMMTIMEOUTS timeouts(uint32_t readTimeout, uint32_t writeTimeout);
    static void applyPortSettings(const PortSettings *settings, DCB &state);

    // Opens and configures the port; on failure the port's lastError() tells why and the
    // caller closes the port. portState is created on first use and keeps the state written.
    static Result run(SerialPort &port, const SerialPort::Path &path, const PortSettings *settings,
                      std::unique_ptr<DCB> &portState, uint32_t readTimeout, uint32_t writeTimeout,
                      const Hooks &hooks);
};

} // namespace Ml
