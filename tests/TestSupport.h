#pragma once

#include "common/Settings.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Small checks the tests share: files as bytes, the view's text of the results, and folders
// that cannot be written. (Whether the tester's port is free again: TesterEmulatorProcess.h.)
namespace TestSupport {

// A setting as it lies in the store, not as the program reads it.
inline QVariant stored(Settings::Key key)
{
    return QSettings().value(Settings::definition(key).name);
}

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

// The bytes as the program saves them: bit 7 cleared (a line can set it on any byte).
inline QByteArray sevenBit(QByteArray bytes)
{
    for (char &byte : bytes)
        byte = char(byte & 0x7f);
    return bytes;
}

// Makes a folder nobody may create, rename or remove files in, not even root (who ignores the
// mode: chattr +i, which needs CAP_LINUX_IMMUTABLE), or unlocks it again.
inline bool lockFolder(const QString &path, bool locked)
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        return QProcess::execute(QStringLiteral("chattr"),
                                 {locked ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
#endif
    return QFile::setPermissions(path,
                                 locked ? QFile::ReadOwner | QFile::ExeOwner
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The text of a PDF as pdftotext (poppler-utils) reads it, laid out as on the page or in
// reading order, one entry a page; none when it cannot be read.
inline QStringList pdfPages(const QString &pdf, bool layout = true)
{
    QProcess process;
    const QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                QStringLiteral("-")};
    process.start(QStringLiteral("pdftotext"),
                  layout ? QStringList(QStringLiteral("-layout")) + arguments : arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace TestSupport
