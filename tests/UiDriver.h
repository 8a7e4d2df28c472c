#ifndef MARLUNE_TESTS_UIDRIVER_H
#define MARLUNE_TESTS_UIDRIVER_H

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Plays the user during a start-up cycle: watches for modal dialogs and the
// main window as they appear, records them in order ("DialogLanguage",
// "QMessageBox", "MainWindow") and hands each to the handler for its class.
// A window or dialog without a handler is closed, and everything is closed
// after a time limit, so a test never hangs on an unexpected box.
class UiDriver : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget *)>;

    explicit UiDriver(int timeLimitMs = 20000);

    void on(const QString &className, Handler handler);
    // Stops watching; a later cycle gets a driver of its own.
    void stop() { timer.stop(); }

    QStringList seen;
    bool timedOut = false;

private:
    void poll();
    void dispatch(QWidget *widget);

    QHash<QString, Handler> handlers;
    QTimer timer;
    QElapsedTimer clock;
    int timeLimitMs;
};

#endif
