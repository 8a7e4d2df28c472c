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
            WriteFailed // the writing failed; an existing file is as it was
        };
        Kind kind = Kind::Saved;
        // Whether the European format was applied.
        bool european = false;
        // The European format was asked for a file that is no .csv file, which is written
        // as received.
        bool europeanRefused = false;
        // What happened, in the user's words: "File successfully saved" or the failure.
        QString headline;
        // The system's words for a file that did not open; empty otherwise.
        QString reason;

        bool saved() const { return kind == Kind::Saved; }
    };

    // The words for Outcome::europeanRefused, naming the file.
    static QString europeanRefusedText(const QString &fileName);

    // Whether the European question applies to a file: a .csv file while the interface
    // language writes decimal commas.
    static bool europeanQuestionApplies(const QString &fileName);

    // Saves the data received as fileName, in the European format when `european` is asked
    // for and the file is a .csv file.
    static Outcome toFile(const QByteArray &received, const QString &fileName, bool european);
    // Writes the data received to the standard output, in the European format when asked.
    static Outcome toStandardOutput(const QByteArray &received, bool european);
};
