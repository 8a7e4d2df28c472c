#include "archive/ArchivedDownload.h"

qint64 ArchivedDownload::lineCountOf(const QByteArray &data)
{
    qint64 lines = 0;
    const char *p = data.constData();
    const char *const end = p + data.size();
    for (; p != end; ++p) {
        if (*p == '\n') {
            ++lines;
        } else if (*p == '\r') {
            ++lines;
            if (p + 1 != end && p[1] == '\n')
                ++p;
        }
    }
    return lines;
}
