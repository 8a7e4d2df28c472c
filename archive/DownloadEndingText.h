#pragma once

#include "archive/ArchivedDownload.h"

#include <QCoreApplication>
#include <QString>

// How a download ended, in words: a fixed name for scripts and a translated text for people.
class DownloadEndingText
{
    Q_DECLARE_TR_FUNCTIONS(DownloadEndingText)

public:
    // "silence", "line-lost", "cancelled" or "interrupted", as the archive stores it.
    static QString name(DownloadEnding ending);
    // "Finished", "Line lost", "Cancelled" or "Interrupted", in the interface language.
    static QString text(DownloadEnding ending);
};
