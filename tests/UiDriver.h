#ifndef MARLUNE_TESTS_UIDRIVER_H
#define MARLUNE_TESTS_UIDRIVER_H

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Plays the user during a start-up cycle: each modal dialog and main window, as
// it appears, is recorded by class name in `seen` and handed to the handler for
// its class. One without a handler is closed, and after a time limit everything
// is closed, so a test never hangs on an unexpected box.
class UiDriver : public QObject
{
    Q_OBJECT

public:
    UiDriver();
    void on(const QString &className, std::function<void(QWidget *)> handler);
    void stop() { timer.stop(); }

    QStringList seen;
    bool timedOut = false;

private:
    void poll();
    void dispatch(QWidget *widget);

    QHash<QString, std::function<void(QWidget *)>> handlers;
    QTimer timer;
    QElapsedTimer clock;
};

#endif
