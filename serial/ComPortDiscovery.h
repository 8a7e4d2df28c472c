#pragma once

#include "serial/ComPortInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Appends one record per serial port present, in the order the system reports
// them. Never fails loudly: a system failure yields fewer or no records.
void enumerateComPorts(QList<ComPortInfo> &ports);

#ifndef _WIN32
// Linux: appends the ports the system found, in their order, leaving out the empty UART
// slots; each port's type is read from <sysClassTty>/<port name>/type (/sys/class/tty).
void appendLinuxPorts(QList<ComPortInfo> &ports, const QList<ComPortInfo> &found,
                      const QString &sysClassTty);
#endif

// Whether a port can be given by typing its device path (/dev/pts/3) rather
// than picked from the list. True on Linux, false on Windows.
bool comPortsAcceptTypedPaths();

// The naming rules, over the raw strings the system delivers.
namespace ComPortRules {

// True when the name starts with upper-case "COM" and at least one digit.
bool isComPortName(const QString &portName);

// The number after "COM"; 0 when the name is no COM port name.
int portNumber(const QString &portName);

// The name to open: COM1..COM9 as they are, higher numbers as \\.\COMnn.
QString listedDevicePath(const QString &portName);

// Reads VID_xxxx&PID_yyyy (any case, hexadecimal) from a hardware ID; 0 where absent or invalid.
void parseUsbIds(const QString &hardwareId, qint32 &vendorId, qint32 &productId);

// Completes a Windows device record (names already filled in) with its device
// path and USB IDs and appends it when its port name is a COM port name.
void appendWindowsPort(QList<ComPortInfo> &ports, ComPortInfo port, const QString &hardwareId);

// A ttyS* port whose /sys/class/tty/<name>/type reads 0 is a UART slot with no
// hardware behind it.
bool isPhantomUart(const QString &portName, const QByteArray &sysTypeText);

// A typed port that names an existing device by its absolute path.
bool isExistingDevicePath(const QString &text);

} // namespace ComPortRules
