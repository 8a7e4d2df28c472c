#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

namespace Ml {
class WinSerialDeviceAsync;
}

// One download from the tester, from opening the port until the line falls silent after
// the data: it opens the port with the tester's line settings, waits out what the line
// brings before we ask, sends the two commands and keeps every byte that follows (the window
// shows them through a SessionText). Silence before the first byte is the user not having started
// the transfer on the tester yet; the first silence after data is the end of the download.
//
// No widgets and no dialogs: the window and the command line drive it and tell the user.
class DownloadSession : public QObject
{
    Q_OBJECT

public:
    explicit DownloadSession(QObject *parent = nullptr);
    ~DownloadSession() override;

    // Starts a session on the port at portPath: forgets the last session's data, opens the
    // port, waits 500 ms (and 200 ms steps while the line brings NUL bytes, at most about
    // 2.5 s) blocking the calling thread, discards what came, and asks the tester for its data.
    // readTimeout: milliseconds of silence that end a read (the settings' ReadTimeout). False
    // when the port could not be opened (openFailureReason() says why) or a session runs
    // already.
    bool start(const QString &portPath, int readTimeout);
    // Ends a running session; the data received so far stays.
    void cancel();

    bool isRunning() const { return device != nullptr; }
    // Every byte of the current or last session, in order and unchanged.
    const QByteArray &data() const { return received; }
    // Whether the tester has sent anything in the current or last session.
    bool hasData() const { return !received.isEmpty(); }
    // Whether the last session ended because the line was lost.
    bool lineLost() const { return lost; }
    QString openFailureReason() const { return failureReason; }

signals:
    // Bytes of the download as they came (those before the first data that are NUL left out).
    void bytesArrived(const QByteArray &chunk);
    // The port is released, whichever way the session ended (cancel() included), before
    // finished() or failed().
    void stopped();
    // The line kept sending NUL bytes through the wait before the commands (at most about
    // 2.5 s), or sent nothing else for as long after them: the cable or the tester is at
    // fault. Once per session.
    void lineSendsOnlyNul();
    // The download is over and the port released: the line fell silent after the data, or
    // was lost after it (lineLost()). data() holds what came.
    void finished();
    // The line was lost before any data arrived; the port is released.
    void failed(const QString &reason);

private:
    void takeFromDevice();
    void deviceTimedOut();
    void deviceFailed();
    void noteNulOnly();
    void stop(bool announce);

    Ml::WinSerialDeviceAsync *device = nullptr;
    QByteArray received;
    QString failureReason;
    bool lost = false;
    // Since when the line has sent NUL bytes alone after the commands, without a silence.
    QElapsedTimer nulSince;
    bool nulReported = false;
};
