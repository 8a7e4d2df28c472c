#pragma once

#include "download/SaveStep.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

// What the user goes through to save a download, after a download and from the History: the
// save dialog (a .csv file first, in the folder of the last save), the European question for
// a .csv file while the language writes decimal commas (or the answer kept in the settings),
// the one save step, and a warning when the file was not written. Its texts are the main
// window's.
class SaveDialogFlow
{
public:
    struct Choice
    {
        QString fileName;
        bool european = false;
    };

    // Asks for the file and, where it applies, the European question; nothing when the
    // dialog was cancelled.
    static std::optional<Choice> ask(QWidget *parent);
    // Saves data as chosen; a failure is shown in a warning box, a success remembered as the
    // folder of the next save dialog.
    static SaveStep::Outcome save(QWidget *parent, const QByteArray &data, const Choice &choice);
    // A warning box with the reason below the text, as the window shows its failures.
    static void warn(QWidget *parent, const QString &text, const QString &reason = QString());
};
