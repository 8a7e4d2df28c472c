#pragma once

#include <QLabel>
#include <QString>

class CompletenessIndicator;
class QResizeEvent;
class QStatusBar;

// The main window's status message, shown by a label instead of the status bar's own single
// line cut at the widgets beside it; the status bar keeps the message itself (and its
// time-outs). The label wraps the message to three lines at most: a longer one ends in "…" on
// the third line, whole in the label's tooltip and accessible name. Beside the completeness
// warning, the message comes first: the warning shows its icon alone while the message would
// need more than two lines beside the warning's text.
class StatusMessage : public QLabel
{
    Q_OBJECT

public:
    // Placed in the status bar as a permanent widget that takes the room the others leave.
    explicit StatusMessage(QStatusBar *statusBar);

    // The warning that stands beside the message and gives way to it.
    void setIndicator(CompletenessIndicator *beside) { indicator = beside; }
    // The message in full, however much of it is shown.
    const QString &message() const { return full; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setMessage(const QString &text);
    // Shows as much of the message as fits in its lines at the label's width.
    void fit();

    QString full;
    CompletenessIndicator *indicator = nullptr;
};
