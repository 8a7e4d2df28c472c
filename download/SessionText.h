#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class DownloadSession;
class QTextDecoder;

// A session's bytes as the window shows them: decoded as one UTF-8 stream per session, without
// NUL bytes and carriage returns, handed on in batches. Only a view needs it: the command line
// makes none.
class SessionText : public QObject
{
    Q_OBJECT

public:
    // Follows session, which owns it.
    explicit SessionText(DownloadSession *session);
    ~SessionText() override;

    // The text that arrived since the last call.
    QString takeText();

signals:
    // New text to show. Sent in batches, at most about every 50 ms, and at once when the
    // session stops, before it says how it ended.
    void textReady();

private:
    void take(const QByteArray &chunk);
    void sendBatch();
    void sessionStopped();

    QString pending;
    std::unique_ptr<QTextDecoder> decoder;
    QTimer batchTimer;
    QElapsedTimer sinceBatch;
};
