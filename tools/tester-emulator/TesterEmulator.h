#pragma once

#include "CommandScanner.h"
#include "EmulatorOptions.h"

#include <chrono>
#include <csignal>
#include <cstddef>
#include <string>

class PseudoTerminal;

// Plays the tester on the master side of a pseudo-terminal, one session per
// open of the port: it waits for the two commands, sends its stored results
// paced like the serial line, then falls silent until the next request. Like a
// tester at 9600 baud it answers only a port set to 9600 baud, one stop bit and no
// flow control; on any other line it logs what differs and stays silent.
class TesterEmulator
{
public:
    TesterEmulator(const EmulatorOptions &options, std::string results, PseudoTerminal &terminal,
                   const volatile std::sig_atomic_t &stopRequested);

    // Serves sessions until asked to stop or until it drops the line; returns
    // the process exit code.
    int run();

private:
    enum class Outcome { Done, PortClosed, HungUp, Stopped, Failed };
    using Clock = std::chrono::steady_clock;

    void portOpened();
    void portClosed();
    void answer();

    // Sends bytes paced like the line; a reply also gets the pause and
    // hang-up faults. *sent counts the bytes that went out.
    Outcome send(const std::string &bytes, bool reply, std::size_t *sent);
    // Waits for the line to take more bytes.
    Outcome waitWritable();
    // Waits until the given time, taking the host's input meanwhile.
    Outcome idleUntil(Clock::time_point until, bool scan);
    // Polls the master for the given events and notes a close of the port;
    // returns the master's poll events, or -1 when polling failed.
    int pollLine(short events, int timeoutMs);
    // What a poll's events mean for the line: its input taken (scanned for commands or
    // discarded); Failed or PortClosed when it is gone, else Done.
    Outcome serviceLine(int revents, bool scan);
    // Reads what the host sent; scanned for commands or discarded.
    void takeInput(bool scan);
    bool stopping() const { return stopRequested != 0; }
    void log(const char *format, ...) const __attribute__((format(printf, 2, 3)));

    const EmulatorOptions &options;
    const std::string results;
    PseudoTerminal &terminal;
    const volatile std::sig_atomic_t &stopRequested;
    CommandScanner scanner;
    bool portOpen = false;
    bool closeSeen = false; // the port was closed, perhaps already reopened
    bool lineDropped = false;
    bool failed = false;
    int session = 0;
};
