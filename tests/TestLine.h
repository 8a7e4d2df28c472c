#pragma once

#include "PseudoTerminal.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QByteArray>
#include <QString>

#include <memory>

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
    // The near end: an asynchronous device with the tester's line settings, open with the
    // read time-out; null when it did not open.
    std::unique_ptr<Ml::WinSerialDeviceAsync> openAsync(int readTimeout) const
    {
        auto device = std::make_unique<Ml::WinSerialDeviceAsync>(nullptr, slavePath());
        device->setPortSettings(Ml::PortSettings::forTester());
        if (!device->open(QIODevice::ReadWrite, readTimeout))
            device.reset();
        return device;
    }
};
