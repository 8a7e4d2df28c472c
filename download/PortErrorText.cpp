#include "download/PortErrorText.h"

#include "serial/WinSerialDeviceAsync.h"

QString PortErrorText::connectionFailed()
{
    // The window's words, in its context: the command line says the same.
    return QCoreApplication::translate(
        "MainWindow", "Failed to connect. Please check the device is connected and switched on");
}

QString PortErrorText::openFailure(const QString &portPath, const Ml::WinSerialDeviceAsync &device)
{
    const Ml::PortErrorKind kind = device.portErrorKind();
    // The group is looked up only when it is needed.
    const QString group =
        kind == Ml::PortErrorKind::PermissionDenied ? device.portDeviceGroup() : QString();
    return openFailure(portPath, kind, device.portErrorCode(), device.portErrorString(), group);
}

QString PortErrorText::openFailure(const QString &portPath, Ml::PortErrorKind kind, quint32 code,
                                   const QString &diagnostic, const QString &group)
{
    if (portPath.isEmpty())
        return tr("No port is selected. Connect the adapter, then press Refresh Ports.");
    switch (kind) {
    case Ml::PortErrorKind::InUse:
        return tr("The port is in use by another program. Close the other program and try again.");
    case Ml::PortErrorKind::PermissionDenied:
        // Joining root's group is no advice to give.
        if (!group.isEmpty() && group != QLatin1String("root"))
            return tr("Permission denied. Add your user to the group \"%1\" that owns the port, "
                      "then log out and log in again.",
                      "The %1 will be replaced with the name of a user group, such as dialout. "
                      "Please do not remove it in your translation!")
                .arg(group);
        return tr("Permission denied. Your user account may not use this port.");
    case Ml::PortErrorKind::NoSuchDevice:
        return noSuchDevice();
    default:
        break;
    }
    // The system's own sentence for the code (errno, GetLastError), in plain words; the
    // diagnostic line with the bare code when there is none.
    const QString reported = code != 0 ? qt_error_string(int(code)) : diagnostic;
    if (reported.isEmpty())
        return QString();
    return tr("The system reported: %1", "The %1 will be replaced with the error message of the "
                                         "operating system. Please do not remove it in your "
                                         "translation!")
        .arg(reported);
}

QString PortErrorText::noSuchDevice()
{
    return tr("No such device. Check that the adapter is plugged in, then press Refresh Ports.");
}

QString PortErrorText::lostBeforeData()
{
    return tr("The connection to the device was lost before any data arrived.");
}

QString PortErrorText::lostAfterData()
{
    return tr("The connection to the device was lost. The data received so far is kept.");
}
