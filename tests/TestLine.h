#pragma once

#include "PseudoTerminal.h"

#include <QByteArray>
#include <QString>

// The far end of a serial line for the serial tests and benchmarks: the tester emulator's
// pseudo-terminal, opened at once with the slave as the system makes it, in Qt's types.
class TestLine : public PseudoTerminal
{
public:
    TestLine()
    {
        std::string error;
        open(&error, false);
    }
    QString slavePath() const { return QString::fromStdString(PseudoTerminal::slavePath()); }
    bool send(const QByteArray &bytes)
    {
        return PseudoTerminal::send(bytes.constData(), std::size_t(bytes.size()));
    }
    QByteArray receive(int count, int timeoutMs)
    {
        return QByteArray::fromStdString(PseudoTerminal::receive(std::size_t(count), timeoutMs));
    }
};
