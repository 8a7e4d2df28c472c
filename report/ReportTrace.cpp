#include "report/ReportTrace.h"

#include <QCryptographicHash>

ReportTrace ReportTrace::of(const QByteArray &received, const QDateTime &downloadedAt,
                            qint64 archiveId, const QString &sourceFile)
{
    ReportTrace trace;
    trace.archiveId = archiveId;
    trace.sourceFile = sourceFile;
    trace.downloadedAt = downloadedAt;
    trace.byteCount = received.size();
    trace.sha256 = QCryptographicHash::hash(received, QCryptographicHash::Sha256).toHex();
    return trace;
}
