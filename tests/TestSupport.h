#pragma once

#include "serial/WinSerialDeviceAsync.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Small checks the download tests share: files as bytes, the view's text of a stream, and
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

// What the output box should show of a whole stream: all of its text, without NUL bytes and
// carriage returns, however the stream was cut into chunks.
inline QString viewOf(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes.constData(), bytes.size());
    text.remove(QChar(0));
    text.remove(QLatin1Char('\r'));
    return text;
}

// A session has let the port go when it can be opened again at once.
inline bool portIsFree(const QString &path)
{
    return Ml::WinSerialDeviceAsync(nullptr, path).open(QIODevice::ReadWrite, 50); // and closes
}

} // namespace TestSupport
