#pragma once

#include "serial/WinSerialDeviceAsync.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Small checks the download tests share: files as bytes, the view's text of the results, and
// whether a port is free again.
namespace TestSupport {

// What a file holds; "<missing>" when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The text of plain ASCII lines (the tester's results) as the output box shows them: each
// line ended by a line break.
inline QString linesOf(const QByteArray &ascii)
{
    return QString::fromLatin1(ascii).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A session has let the port go when it can be opened again at once.
inline bool portIsFree(const QString &path)
{
    return Ml::WinSerialDeviceAsync(nullptr, path).open(QIODevice::ReadWrite, 50); // and closes
}

} // namespace TestSupport
