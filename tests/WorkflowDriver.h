#ifndef MARLUNE_TESTS_WORKFLOWDRIVER_H
#define MARLUNE_TESTS_WORKFLOWDRIVER_H

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class MainWindow;
class QPushButton;

// Plays the user of one MainWindow: points it at a port, presses its buttons,
// answers the save dialog and the message boxes as told, and records what it
// was shown. Every modal dialog is answered, so a test never hangs on one.
class WorkflowDriver : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QString informative;
    };

    explicit WorkflowDriver(MainWindow &window);

    // Types a device path into the port box; an empty one leaves no port chosen.
    void setPort(const QString &path);
    QPushButton *button(const char *name) const;
    // Presses a visible button; false when it is hidden.
    bool press(const char *name);
    // Presses Download and waits until the session is over and no dialog is open.
    bool download(int timeoutMs = 30000);
    bool waitForIdle(int timeoutMs);
    QString statusText() const;
    QString outputText() const;

    // Names for the save dialogs, taken in turn; an empty name, or none left, cancels.
    QStringList saveAs;
    // The answer to the European-format question.
    QMessageBox::StandardButton convertAnswer = QMessageBox::No;
    // Runs when a save dialog has opened, before it is answered.
    std::function<void()> onSaveDialog;
    // Runs when a message box has opened, before it is closed.
    std::function<void(const Box &)> onBox;

    int saveDialogs = 0;
    QList<Box> boxes; // every message box of the window, in order
    int questionsAsked() const;

private:
    void poll();
    void answer(QWidget *modal);

    MainWindow &window;
    QTimer timer;
};

#endif
