#pragma once

class QString;

// The command line's messages: one line each on the error stream, written at once.
class ErrorStream
{
public:
    // Writes the line and a line break, then flushes; an empty line writes nothing.
    static void say(const QString &line);
};
