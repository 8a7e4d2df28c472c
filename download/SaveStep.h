#pragma once

#include <QCoreApplication>
#include <QString>

// The one step that saves a download's data, for the window, the command line and a saved
// download written again: the file's bytes (SavedData::fileBytes), the rule that the European
// format applies to .csv files only, the writing, and the words for the outcome.
class SaveStep
{
    Q_DECLARE_TR_FUNCTIONS(SaveStep)

public:
    struct Outcome
    {
        enum class Kind {
            Saved,
            NotOpened,  // nothing was written; an existing file is as it was
            WriteFailed // the writing failed; an existing file is as it was, unless `reason`
                        // says that it was changed
        };
        Kind kind = Kind::Saved;
        // Whether the European format was applied.
        bool european = false;
        // The European format was asked for a file that is no .csv file, which is written
        // as received.
        bool europeanRefused = false;
        // What happened, in the user's words: "File successfully saved" or the failure.
        QString headline;
        // Why a file did not open (the system's words, or that it is no regular file), or that
        // a failed write changed the old file; empty otherwise.
        QString reason;
        // The bytes written.
        qint64 bytes = 0;

        bool saved() const { return kind == Kind::Saved; }
    };

    // The words for Outcome::europeanRefused, naming the file.
    static QString europeanRefusedText(const QString &fileName);

    // Whether the European question applies to a file: a .csv file while the interface
    // language writes decimal commas.
    static bool europeanQuestionApplies(const QString &fileName);

    // Whether fileName can be saved as, before there is anything to save: Saved when it can,
    // else the words toFile() would give for a file that does not open. Changes nothing.
    static Outcome check(const QString &fileName);
    // Saves the data received as fileName, in the European format when `european` is asked
    // for and the file is a .csv file.
    static Outcome toFile(const QByteArray &received, const QString &fileName, bool european);
    // Writes the data received to the standard output (file descriptor 1, every write
    // checked), in the European format when asked.
    static Outcome toStandardOutput(const QByteArray &received, bool european);
};
