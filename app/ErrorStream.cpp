#include "app/ErrorStream.h"

#include <QString>

#include <cstdio>

namespace {
// Whether a progress line drawn in place waits for its line break.
bool progressLineOpen = false;
} // namespace

void ErrorStream::say(const QString &line)
{
    if (line.isEmpty())
        return;
    if (progressLineOpen)
        std::fputc('\n', stderr);
    progressLineOpen = false;
    write(line + QLatin1Char('\n'));
}

void ErrorStream::progress(const QString &line, bool inPlace)
{
    if (inPlace)
        write(QStringLiteral("\r%1\033[K").arg(line));
    else
        say(line);
    progressLineOpen = inPlace;
}

void ErrorStream::write(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
    std::fflush(stderr);
}
