#include "SessionRig.h"

#include "serial/WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QElapsedTimer>

SessionRig::SessionRig(const QStringList &arguments, int rowBoundSeconds)
    : started(emulators.start(arguments, rowBoundSeconds))
{
    QObject::connect(viewText, &SessionText::textReady, &watcher, [this] {
        ++batches;
        text += viewText->takeText();
    });
}

bool SessionRig::startSession(int readTimeout)
{
    if (!started || !session.start(devicePath(), readTimeout))
        return false;
    const auto *device = session.findChild<Ml::WinSerialDeviceAsync *>();
    const Ml::DCB *line = device ? device->lineState() : nullptr;
    if (!line || line->ByteSize != 8 || line->Parity != 0 || line->fParity != 0) {
        qWarning("the session gave the port %d data bits, parity %d, parity check %d; the "
                 "tester uses 8 data bits, no parity",
                 line ? line->ByteSize : -1, line ? line->Parity : -1, line ? line->fParity : -1);
        return false;
    }
    return true;
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
