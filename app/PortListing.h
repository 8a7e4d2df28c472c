#pragma once

#include "serial/ComPortInfo.h"

#include <QByteArray>
#include <QList>

// What --list-ports prints: each port as the system reports it, one line each (name, device
// path, USB vendor:product, serial number, description, separated by tabs, "-" where the system
// reports nothing), or a JSON array of objects for scripts.
class PortListing
{
public:
    static QByteArray text(const QList<ComPortInfo> &ports);
    static QByteArray json(const QList<ComPortInfo> &ports);
};
