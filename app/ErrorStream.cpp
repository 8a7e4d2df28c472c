#include "app/ErrorStream.h"

#include <QString>

#include <cstdio>

void ErrorStream::say(const QString &line)
{
    if (line.isEmpty())
        return;
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}
