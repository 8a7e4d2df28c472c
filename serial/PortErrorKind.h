// Why the last port operation failed, in words a user message can be chosen by.
// Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace Ml {

enum class PortErrorKind {
    None,             // no failure recorded
    InUse,            // another program (or another open in this one) holds the port
    PermissionDenied, // the user may not open the device node
    NoSuchDevice,     // the port is absent: wrong name, adapter unplugged before the open
    SettingsRejected, // the port refused the line settings (rate, data bits, parity, stop bits)
    PortLost,         // the open port stopped working: adapter unplugged, far end hung up
    Other,            // anything else; the raw code tells more
};

// The kind of a system error code (errno, GetLastError) by a list of kinds with their codes:
// 0 is no failure, a code the list does not hold is Other.
struct PortErrorCodes
{
    PortErrorKind kind;
    std::initializer_list<uint32_t> codes;
};

inline PortErrorKind portErrorKindOf(uint32_t code, std::initializer_list<PortErrorCodes> known)
{
    if (code == 0)
        return PortErrorKind::None;
    for (const PortErrorCodes &entry : known) {
        for (const uint32_t listed : entry.codes) {
            if (listed == code)
                return entry.kind;
        }
    }
    return PortErrorKind::Other;
}

} // namespace Ml
