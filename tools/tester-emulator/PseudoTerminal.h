#pragma once

#include <cstddef>
#include <string>
#include <termios.h>

// The master side of a pseudo-terminal; the program under test opens the slave
// device as its serial port. The emulator and the serial tests both drive their end of
// the line through it.
//
// The master alone keeps the slave device in existence, so the program can
// open, close and reopen the port as often as it likes. While no process has
// the slave open, the master reports POLLHUP and reads fail with EIO; that is
// how the emulator tells whether the port is open. A close followed at once by
// a new open slips between two polls, so on Linux the device is also watched
// with inotify for closes.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    ~PseudoTerminal();

    // Creates the pair and sets the slave raw at 9600 8N1, so nothing the
    // emulator sends is echoed or translated even before the port is set up.
    // With slaveRaw false the slave keeps the system's settings for a new terminal
    // (a test of what a port device sets must not find it done already).
    bool open(std::string *error, bool slaveRaw = true);
    void close();

    int masterFd() const { return master; }
    // Readable when the device may have been closed; -1 where not watched.
    int watchFd() const { return watch; }
    // True when the far end closed the device since the last call: the last close of the
    // slave, or a close and a new open. Another program's open and close while the far end
    // keeps the device open does not count.
    bool closedSinceLastCheck();
    const std::string &slavePath() const { return slave; }

    // Discards what the far end left unread when it closed the port, so it
    // does not reach the next session (a real line loses it too).
    void discardUnread();

    // Waits until the far end has read everything sent so far, for at most
    // maxMs milliseconds (it may not be reading at all).
    void waitUntilRead(int maxMs);

    // Sends all bytes, waiting while the line is full; false when the line is gone.
    bool send(const char *data, std::size_t size);
    // What the far end sent, until count bytes came or timeoutMs went by.
    std::string receive(std::size_t count, int timeoutMs);
    // The line settings the far end gave the slave.
    bool attributes(termios &tio) const;
    // Closes the master: the far end sees a hang-up, like an unplugged adapter.
    void hangUp() { close(); }

private:
    int openSlave();
    bool setSlaveRaw(std::string *error);
    void watchCloses();

    void closeOwnSlave(int fd);
    bool nobodyHasSlaveOpen() const;

    int master = -1;
    int watch = -1;
    int ownCloses = 0; // closes of the emulator's own, not to be counted
    std::string slave;
};
