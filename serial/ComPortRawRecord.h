// One device of the Ports class as the Windows device set-up service reports it, before the
// naming rules (ComPortRules) decide whether it is a COM port and how it is opened. Plain C++,
// no Qt, so the reading can be built and run on its own (see tools/windows-check).
#pragma once

#include <string>
#include <vector>

namespace Ml {

struct ComPortRawRecord
{
    std::wstring portName;           // the value "PortName" of the hardware key; empty if unread
    std::wstring friendlyName;       // the description the system shows for the port
    std::wstring physicalDeviceName; // the device object name
    std::wstring enumeratorName;     // the bus or driver that reported the device
    std::wstring hardwareId;         // the first entry of the hardware ID list

    // Every present device of the Ports class, in the order the system enumerates them,
    // unfiltered. Empty when the device set cannot be opened. Windows only.
    static std::vector<ComPortRawRecord> readAll();
};

} // namespace Ml
