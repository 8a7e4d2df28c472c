#pragma once

#include "results/ResultTable.h"

#include <QByteArray>

// Reads a download as a table of results. The tester's bytes are read as they would be saved
// without conversion (bit 7 cleared), a file's text as it is (UTF-8); line ends are CR LF, LF or
// CR; the delimiter (comma, semicolon or tab) is the one that gives the rows a steady field count;
// fields may be quoted, with delimiters, line ends and doubled quotes inside. The header is the
// first row whose fields are mostly not numbers and which rows of the same field count follow; the
// lines before it are notes. Any bytes give a table, in time linear in their size.
class ResultsParser
{
public:
    // What the bytes are: the tester's, or the text of a file the user names, as UTF-8.
    enum class Bytes { Tester, Utf8 };

    static ResultTable parse(const QByteArray &received, Bytes bytes = Bytes::Tester);

    // The delimiter the rows of the data are split at: ',', ';' or '\t'.
    static char delimiterOf(const QByteArray &received, Bytes bytes = Bytes::Tester);
};
