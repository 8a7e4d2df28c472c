#include "serial/PortOpenSequence.h"

#include <cstring>

namespace Ml {

std::wstring PortOpenSequence::localDevicePath(const std::wstring &name)
{
    static const std::wstring prefix = L"\\\\.\\";
    if (name.compare(0, prefix.size(), prefix) == 0)
        return name;
    return prefix + name;
}

SerialPort::Path PortOpenSequence::openPath(const SerialPort::Path &name)
{
#ifdef _WIN32
    return localDevicePath(name);
#else
    return name;
#endif
}

COMMTIMEOUTS PortOpenSequence::timeouts(uint32_t readTimeout, uint32_t writeTimeout)
{
    COMMTIMEOUTS t;
    t.ReadIntervalTimeout = Comm::maxDword;
    t.ReadTotalTimeoutMultiplier = Comm::maxDword;
    t.ReadTotalTimeoutConstant = readTimeout;
    t.WriteTotalTimeoutMultiplier = 1;
    t.WriteTotalTimeoutConstant = writeTimeout;
    return t;
}

void PortOpenSequence::applyPortSettings(const PortSettings *settings, DCB &state)
{
    if (settings)
        settings->applyTo(state);
}

PortOpenSequence::Result PortOpenSequence::run(SerialPort &port, const SerialPort::Path &path,
                                               const PortSettings *settings,
                                               std::unique_ptr<DCB> &portState,
                                               uint32_t readTimeout, uint32_t writeTimeout,
                                               const Hooks &hooks)
{
    if (!port.createFile(path))
        return PortUnavailable;
    if (!portState) {
        portState.reset(new DCB);
        std::memset(portState.get(), 0, sizeof(DCB));
        portState->DCBlength = sizeof(DCB);
    }
    if (!port.getCommState(*portState))
        return PortUnavailable;
    applyPortSettings(settings, *portState);
    // Some drivers refuse one of these and still transfer bytes: noted, not fatal.
    const auto note = [&](bool ok, const char *step) {
        if (!ok && hooks.setupStepRefused)
            hooks.setupStepRefused(step, port.lastError());
    };
    note(port.setCommMask(0), "SetCommMask");
    note(port.setupComm(Comm::queueSize, Comm::queueSize), "SetupComm");
    note(port.purgeComm(Comm::purgeAll), "PurgeComm");
    COMMTIMEOUTS t = timeouts(readTimeout, writeTimeout);
    if (hooks.configureTimeouts)
        hooks.configureTimeouts(t);
    if (!port.setCommTimeouts(t))
        return ConfigurationRejected;
    if (hooks.configurePortState)
        hooks.configurePortState();
    if (!port.setCommState(*portState))
        return StateRejected;
    return Opened;
}

} // namespace Ml
