#pragma once

#include <QByteArray>
#include <QLabel>
#include <QStringList>
#include <QWidget>

class QStatusBar;

// Beside the main window's status: a warning icon and the first completeness warning of the
// download that just ended (all of them in its tooltip), when its data may be incomplete.
// Hidden while the data looks whole and once the next session starts.
class CompletenessIndicator : public QWidget
{
    Q_OBJECT

public:
    // Placed in the status bar as a permanent widget, hidden.
    explicit CompletenessIndicator(QStatusBar *statusBar);

    // Checks the data of a session that ended and shows its first warning, if any.
    void showFor(const QByteArray &received);
    void clear();

    // The warnings shown; empty while hidden.
    const QStringList &warnings() const { return shown; }
    QString text() const { return textLabel->text(); }

private:
    QLabel *iconLabel;
    QLabel *textLabel;
    QStringList shown;
};
