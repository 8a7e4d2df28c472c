#pragma once

#include <QByteArray>
#include <QString>

// What a download becomes on disk. The file holds the tester's bytes with bit 7 cleared (the
// tester's data is 7-bit text) and, for a .csv file on request, the European convention:
// semicolons between fields and decimal commas. Nothing else is added or removed.
class SavedData
{
public:
    // The bytes of the file for what was received.
    static QByteArray fileBytes(const QByteArray &received, bool european);
    // The European conversion applies to .csv files only, whatever case the suffix is in.
    static bool isCsvFile(const QString &fileName);
    // Whether the default locale writes decimals with a comma (0.5 as "0,5").
    static bool localeUsesDecimalComma();

    enum class Outcome {
        Written,
        NotOpened,  // nothing was written; an existing file is as it was
        WriteFailed // the writing failed (disk full, ...); an existing file is as it was
    };
    struct Result
    {
        Outcome outcome = Outcome::Written;
        QString reason; // the system's words for a failure
    };

    // Writes bytes as fileName, whole or not at all. A file marked read-only is not replaced,
    // even where the system would allow it (as for an administrator): the mark is the user's
    // word.
    static Result write(const QString &fileName, const QByteArray &bytes);
};
