#pragma once

#include "TesterEmulatorProcess.h"

#include "download/DownloadSession.h"
#include "download/SessionText.h"

#include <QObject>
#include <QSignalSpy>
#include <QString>

// A download session against a tester emulator, without a window, and what it told: its
// signals, and the text for the view with the number of batches it came in.
class SessionRig
{
public:
    // Starts an emulator with the arguments; its result is in `started`.
    explicit SessionRig(const QStringList &arguments, int rowBoundSeconds = 30);

    // Starts the session on the emulator's port; false (and a warning saying what differs)
    // also when the session gave the port other than 8 data bits and no parity, which the
    // pseudo-terminal cannot show the emulator.
    bool startSession(int readTimeout);
    // Waits until the session is over; false when it did not end in time.
    bool waitForEnd(int timeoutMs);
    QString devicePath() const { return emulators.devicePath(); }

    EmulatorRig emulators; // outlives the session: the port closes before its emulator goes
    bool started = false;
    DownloadSession session;
    SessionText *viewText = new SessionText(&session); // owned by the session
    QString text;
    int batches = 0;
    QObject watcher; // the context of connections that end with the rig
    QSignalSpy finished{&session, &DownloadSession::finished};
    QSignalSpy failed{&session, &DownloadSession::failed};
    QSignalSpy onlyNul{&session, &DownloadSession::lineSendsOnlyNul};
};
