#pragma once

#include "serial/PortSettings.h"

// What the serial tests share: the line settings the download uses.
class SerialTestSupport
{
public:
    // 9600 baud 8N1, DTR and RTS raised, no flow control: all 22 members set.
    static Ml::PortSettings *downloadSettings();
};
