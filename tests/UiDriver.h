#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class MainWindow;
class QPushButton;

// Plays the user. Every modal dialog is answered as it appears, so a test never hangs on
// one: a save dialog with the next name of saveAs, a message box with `reply` (or closed),
// anything else closed; a class with a handler goes to its handler instead. Given a window,
// it also points it at a port and presses its buttons. Without one it plays a whole
// start-up cycle: each main window that appears goes to its handler or is closed, and
// after 20 s everything is closed.
class UiDriver : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QString text, informative;
    };

    // Shows the window, if one is given.
    explicit UiDriver(MainWindow *window = nullptr);
    void stop() { timer.stop(); }

    // Types a device path into the port box; an empty one leaves no port chosen.
    void setPort(const QString &path);
    QPushButton *button(const char *name) const;
    // Presses a visible button; false when it is hidden.
    bool press(const char *name);
    // Presses Download and waits until the session is over and no dialog is open.
    bool download(int timeoutMs = 30000);
    QString statusText() const;
    QString outputText() const;

    // Names for the save dialogs, taken in turn; an empty name, or none left, cancels.
    QStringList saveAs;
    QMessageBox::StandardButton reply = QMessageBox::No;
    std::function<void()> onSaveDialog;     // before the save dialog is answered
    std::function<void(const Box &)> onBox; // before a message box is answered

    // Dialogs and windows by class name that go to a handler instead.
    QHash<QString, std::function<void(QWidget *)>> handlers;
    QStringList seen;            // class names of the dialogs (and cycle windows), in order
    QList<Box> boxes;            // every message box of the window, in order
    QString saveDialogFolder;    // where the last save dialog opened
    QStringList saveDialogFiles; // and the file it had chosen at first
    bool timedOut = false;

private:
    void poll();
    void answer(QWidget *widget);

    MainWindow *window;
    QTimer timer;
    QElapsedTimer clock;
};
