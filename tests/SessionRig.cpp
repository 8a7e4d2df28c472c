#include "SessionRig.h"

#include <QCoreApplication>
#include <QElapsedTimer>

SessionRig::SessionRig()
{
    QObject::connect(viewText, &SessionText::textReady, &watcher, [this] {
        ++batches;
        text += viewText->takeText();
    });
}

SessionRig::SessionRig(const QStringList &arguments) : SessionRig()
{
    started = start(arguments);
}

bool SessionRig::startSession(int readTimeout)
{
    return started && session.start(devicePath(), readTimeout);
}

bool SessionRig::waitForEnd(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (session.isRunning() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    return !session.isRunning();
}
