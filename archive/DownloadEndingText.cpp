#include "archive/DownloadEndingText.h"

QString DownloadEndingText::name(DownloadEnding ending)
{
    switch (ending) {
    case DownloadEnding::Silence:
        return QStringLiteral("silence");
    case DownloadEnding::LineLost:
        return QStringLiteral("line-lost");
    case DownloadEnding::Cancelled:
        return QStringLiteral("cancelled");
    case DownloadEnding::Interrupted:
        break;
    }
    return QStringLiteral("interrupted");
}

QString DownloadEndingText::text(DownloadEnding ending)
{
    switch (ending) {
    case DownloadEnding::Silence:
        return tr("Finished", "a download that ended when the tester fell silent");
    case DownloadEnding::LineLost:
        return tr("Line lost", "a download that ended when the connection was lost");
    case DownloadEnding::Cancelled:
        return tr("Cancelled", "a download stopped by the user");
    case DownloadEnding::Interrupted:
        break;
    }
    return tr("Interrupted", "a download stopped when the program was closed or stopped");
}
