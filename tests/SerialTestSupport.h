#pragma once

#include "serial/PortSettings.h"

// What the serial tests share: the line settings the download uses and how much slack
// timing checks get in sanitizer builds, which run several times slower.
class SerialTestSupport
{
public:
    // 9600 baud 8N1, DTR and RTS raised, no flow control: all 22 members set.
    static Ml::PortSettings *downloadSettings();
    // Extra milliseconds allowed on top of a loose timing bound (thread wake-up and join).
    static int slack();
};
