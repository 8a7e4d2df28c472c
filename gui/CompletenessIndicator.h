#pragma once

#include <QByteArray>
#include <QLabel>
#include <QStringList>
#include <QWidget>

class QStatusBar;

// Beside the main window's status: a warning icon and the first completeness warning of the
// download that just ended (all of them in its tooltip, the first in its accessible name),
// when its data may be incomplete. Its text gives way to a long status message, leaving the
// icon. Hidden while the data looks whole and once the next session starts.
class CompletenessIndicator : public QWidget
{
    Q_OBJECT

public:
    // Placed in the status bar as a permanent widget, hidden.
    explicit CompletenessIndicator(QStatusBar *statusBar);
    // Waits for a check still running.
    ~CompletenessIndicator() override;

    // Checks the data of a session that ended, in a thread of its own: the save dialog does
    // not wait for the whole download to be read. Its first warning, if any, shows once the
    // check is done, unless clear() came first.
    void showFor(const QByteArray &received);
    // Shows the first of the warnings; hides the indicator when there are none.
    void show(const QStringList &warnings);
    void clear();

    // Whether the check of showFor() is still running.
    bool isChecking() const { return checking; }
    // The warnings shown; empty while hidden.
    const QStringList &warnings() const { return shown; }
    QString text() const { return textLabel->text(); }

    // Whether the warning's text shows beside its icon; shown again by clear().
    void setTextShown(bool shown) { textLabel->setVisible(shown); }
    bool textShown() const { return !textLabel->isHidden(); }
    // The width the text takes beside the icon.
    int textWidth() const;

private:
    QLabel *iconLabel;
    QLabel *textLabel;
    QStringList shown;
    int generation = 0; // counts showFor() and clear(): a late check's result is dropped
    bool checking = false;
};
