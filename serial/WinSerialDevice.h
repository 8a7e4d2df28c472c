#pragma once

#include "serial/CommTypes.h"
#include "serial/PortErrorKind.h"
#include "serial/PortSettings.h"
#include "serial/SerialPort.h"

#include <QIODevice>
#include <QString>

#include <memory>

namespace Ml {

// A QIODevice over one serial port: opened by name with a configuration laid over the port's
// own state, then read and written with blocking calls bounded by the port's time-outs.
// Not safe for concurrent use, except interrupt() (see SerialPort).
class WinSerialDevice : public QIODevice
{
public:
    explicit WinSerialDevice(const QString &deviceName);
    ~WinSerialDevice() override;

    // Opens and configures the port; false (with the reason as the error string) when the
    // port is absent, in use or refuses the settings.
    bool open(OpenMode mode, int readTimeout, int writeTimeout);
    bool isSequential() const override;
    void close() override;
    // Takes ownership; null is allowed (the next open applies no settings).
    void setPortSettings(PortSettings *settings);

    // The system error code (errno, GetLastError) of the last failure, and what it means.
    quint32 lastErrorCode() const { return errorCode; }
    PortErrorKind lastErrorKind() const { return errorKind; }
    // Wakes a blocked read or write at once; later ones return at once until the next open.
    // Safe from any thread.
    void interrupt();
    // One read that waits at most the given time instead of the read time-out: what the
    // device holds, else what is waiting or arrives within waitMs (0: only what is waiting);
    // 0 bytes on silence or wake(), -1 on a failed read.
    qint64 readWithin(char *data, qint64 maxSize, int waitMs);
    // Ends the readWithin waiting now, or the next one, with 0 bytes (see SerialPort::wake).
    // Safe from any thread.
    void wake();
    // Waits the given time or until interrupt(); true when interrupted.
    bool pause(int milliseconds);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;
    virtual void configureTimeouts(COMMTIMEOUTS &timeouts);
    virtual void configurePortState();

    // The state read at the last open, overlaid with the settings; configurePortState may
    // change it before it is written to the port.
    DCB *state() { return portState.get(); }

private:
    // Reads the port within waitMs, or within the read time-out when waitMs is negative.
    qint64 readPort(char *data, qint64 maxSize, int waitMs);
    void reportError(const QString &message);
    void recordError(PortErrorKind kind);
    // Records and reports a failed read or write (operation: its name); returns -1.
    qint64 transferFailed(const char *operation, uint32_t code);

    QString deviceName;
    SerialPort handle;
    std::unique_ptr<DCB> portState;
    std::unique_ptr<PortSettings> portSettings;
    quint32 errorCode = 0;
    PortErrorKind errorKind = PortErrorKind::None;
};

} // namespace Ml
