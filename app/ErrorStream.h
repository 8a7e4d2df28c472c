#pragma once

class QString;

// The command line's messages on the error stream, each written at once. A progress line may
// be redrawn in place; the next message then starts on a line of its own.
class ErrorStream
{
public:
    // Writes the line and a line break, then flushes; an empty line writes nothing.
    static void say(const QString &line);
    // Writes a progress line: in place of the last one (a terminal), or as a line of its own.
    static void progress(const QString &line, bool inPlace);
    // Writes the text as it is (line breaks included), then flushes.
    static void write(const QString &text);
};
