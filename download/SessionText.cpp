#include "download/SessionText.h"

#include "download/DownloadSession.h"

#include <QTextCodec>

namespace {

// The view is fed in batches: a text box that takes every chunk on its own cannot keep up.
const int batchMs = 50;

} // namespace

SessionText::SessionText(DownloadSession *session)
    : QObject(session), decoder(QTextCodec::codecForName("UTF-8")->makeDecoder())
{
    batchTimer.setSingleShot(true);
    batchTimer.setInterval(batchMs);
    connect(&batchTimer, &QTimer::timeout, this, &SessionText::sendBatch);
    sinceBatch.start();
    connect(session, &DownloadSession::bytesArrived, this, &SessionText::take);
    connect(session, &DownloadSession::stopped, this, &SessionText::sessionStopped);
}

SessionText::~SessionText() = default;

QString SessionText::takeText()
{
    QString text;
    text.swap(pending);
    return text;
}

void SessionText::take(const QByteArray &chunk)
{
    // The view drops what a text box cannot show sensibly; the data keeps it.
    QString text = decoder->toUnicode(chunk);
    text.remove(QChar(0));
    text.remove(QLatin1Char('\r'));
    pending += text;
    // While data pours in, the announcements of the port keep the event loop busy and the
    // timer would wait until the end: the batch goes out here once it is due.
    if (sinceBatch.elapsed() >= batchMs)
        sendBatch();
    else if (!batchTimer.isActive())
        batchTimer.start();
}

void SessionText::sendBatch()
{
    batchTimer.stop();
    sinceBatch.restart();
    emit textReady();
}

void SessionText::sessionStopped()
{
    sendBatch();
    // The next session is a stream of its own.
    pending.clear();
    decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder());
}
