#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// What a download becomes on disk. The file holds the tester's bytes with bit 7 cleared (the
// tester's data is 7-bit text) and, for a .csv file on request, the European convention:
// semicolons between fields and decimal commas. Nothing else is added or removed.
class SavedData
{
    Q_DECLARE_TR_FUNCTIONS(SavedData)

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
        WriteFailed // the writing failed (disk full, ...); an existing file is as it was unless
                    // oldFileChanged says otherwise
    };
    enum class Problem {
        None,
        System,         // the system's words are in `reason`
        NotRegularFile, // a pipe, a device, a socket: only regular files are written
        SizeMismatch,   // the file does not hold as many bytes as were written
    };
    struct Result
    {
        Outcome outcome = Outcome::Written;
        Problem problem = Problem::None;
        QString reason; // the words for a failure: the system's, or ours where it has none
        // Only where a file was written in place and its old bytes could not be put back.
        bool oldFileChanged = false;
    };

    // Whether fileName can be written, without changing anything: its folder exists, it is a
    // regular file (or none yet), not marked read-only, and it or its folder may be written.
    // Outcome::Written when it can.
    static Result check(const QString &fileName);

    // Writes bytes as fileName, whole or not at all. A file marked read-only is not replaced,
    // even where the system would allow it (as for an administrator): the mark is the user's
    // word. Only regular files are written: a pipe, a device node or a socket is refused
    // before anything is written. A symbolic link is followed: its target is written.
    static Result write(const QString &fileName, const QByteArray &bytes);
};
