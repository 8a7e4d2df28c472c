#pragma once

#include "serial/ComPortInfo.h"

#include <QList>
#include <QString>

class QComboBox;

// The port box of the window: the ports found, shown by name and carrying their device
// paths, and on Linux a device path typed in like in a serial terminal.
class PortList
{
public:
    // Lets the user type a device path (/dev/pts/3) where the platform opens ports by path.
    static void acceptTypedPaths(QComboBox *box);
    // Lists the ports; the one named `stored` (the last used) becomes current, or else a
    // typed path stored from an earlier run while its device exists.
    static void fill(QComboBox *box, const QList<ComPortInfo> &ports, const QString &stored);
    // The device path of the chosen port: the current item's path, or a typed path.
    static QString selectedPath(const QComboBox *box);
};
