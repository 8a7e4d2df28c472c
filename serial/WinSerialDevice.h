#pragma once

#include "serial/CommTypes.h"
#include "serial/PortErrorKind.h"
#include "serial/PortSettings.h"
#include "serial/SerialPort.h"

#include <QIODevice>
#include <QMutex>
#include <QString>

#include <memory>

namespace Ml {

// A QIODevice over one serial port: opened by name with a configuration laid over the port's
// own state, then read and written with blocking calls bounded by the port's time-outs.
// Not safe for concurrent use, except interrupt(), wake() and lastFailure().
class WinSerialDevice : public QIODevice
{
public:
    // What went wrong with the port most recently: the open, or a read or write since.
    struct Failure
    {
        bool transferFailed = false; // a read or write failed since the port was opened
        quint32 code = 0;            // errno or GetLastError
        PortErrorKind kind = PortErrorKind::None;
        QString message; // the diagnostic, also the error string
    };

    explicit WinSerialDevice(const QString &deviceName);
    ~WinSerialDevice() override;

    // Opens and configures the port; false (with the reason as the error string) when the
    // port is absent, in use or refuses the settings.
    bool open(OpenMode mode, int readTimeout, int writeTimeout);
    bool isSequential() const override;
    void close() override;
    // Takes ownership; null is allowed (the next open applies no settings).
    void setPortSettings(PortSettings *settings);
    // The line settings given to the port at the last open (null before it), as told, even
    // where the port keeps less of them (a pseudo-terminal keeps no data bits or parity).
    const DCB *lineState() const { return portState.get(); }

    // The last failure, cleared by each open. Safe from any thread: the worker reads and
    // writes, its owner asks why.
    Failure lastFailure() const;
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
    // The one path of every failure of the open (operation "open") or of a read or write
    // (its name): records it for lastFailure(), reports it (reportError) and, when traced,
    // writes it to the debug stream as well. Returns -1, what a failed read or write returns.
    qint64 fail(const char *operation, PortErrorKind kind, uint32_t code, bool traced);
    // The diagnostic through the Qt log and as the error string.
    void reportError(const QString &message);

    QString deviceName;
    SerialPort handle;
    std::unique_ptr<DCB> portState;
    std::unique_ptr<PortSettings> portSettings;
    mutable QMutex failureMutex;
    Failure failure; // guarded by failureMutex
};

} // namespace Ml
