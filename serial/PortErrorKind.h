// Why the last port operation failed, in words a user message can be chosen by.
// Plain C++, no Qt.
#pragma once

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

} // namespace Ml
