#pragma once

#include <cstddef>
#include <string>

// Follows the bytes the host sends and recognises "SYST:REM\r\n" followed, at
// any distance, by "MEM:DATA? ALL\r\n". Commands may arrive split across reads,
// with NUL bytes or other noise around them.
class CommandScanner
{
public:
    enum class Event { None, Remote, DataRequest, RequestWithoutRemote };

    // Takes one byte; tells which command, if any, it completed.
    Event feed(unsigned char byte);

    // True once both commands have arrived in order.
    bool requestComplete() const { return remote && requested; }

    void reset();

private:
    std::string tail;
    bool remote = false;
    bool requested = false;
};
