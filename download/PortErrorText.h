#pragma once

#include "serial/PortErrorKind.h"

#include <QCoreApplication>
#include <QString>

namespace Ml {
class WinSerialDeviceAsync;
}

// The words for what went wrong with the port, the same in the window and on the command
// line: why a port could not be opened, and a line that was lost.
class PortErrorText
{
    Q_DECLARE_TR_FUNCTIONS(PortErrorText)

public:
    // The headline of every failure to connect.
    static QString connectionFailed();
    // Why the open of the port at portPath failed, in words the user can act on; device is
    // the one whose open failed.
    static QString openFailure(const QString &portPath, const Ml::WinSerialDeviceAsync &device);
    // The same from what the device recorded: the kind of failure, the system's code (errno,
    // GetLastError; 0: none), its diagnostic line, and the group that owns the port.
    static QString openFailure(const QString &portPath, Ml::PortErrorKind kind, quint32 code,
                               const QString &diagnostic, const QString &group);
    // The words for a port that is not there (one of openFailure()'s).
    static QString noSuchDevice();
    static QString lostBeforeData();
    static QString lostAfterData();
};
