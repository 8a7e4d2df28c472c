#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

// The far end of a serial line for tests: a pseudo-terminal whose master side the test
// drives, while the device under test opens the slave's path.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    QString slavePath() const { return path; }
    // Writes all bytes (blocking as long as the line is full).
    bool send(const QByteArray &bytes);
    // Reads what the device sent until count bytes arrived or the time ran out.
    QByteArray receive(int count, int timeoutMs);
    // The line settings the device gave the slave side.
    bool attributes(termios &tio) const;
    // Closes the master: the device sees a hang-up, like an unplugged adapter.
    void hangUp();

private:
    int master = -1;
    QString path;
};
