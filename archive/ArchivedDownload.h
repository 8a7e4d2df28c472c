#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// How a download came to its end.
enum class DownloadEnding {
    Silence,    // the line fell silent after the data
    LineLost,   // the port went away during the download
    Cancelled,  // the user stopped it
    Interrupted // the program was asked to stop (a signal on the command line, closing)
};

// One download as it goes into the archive: when and where it was received and every byte
// exactly as it came, before bit 7 is cleared.
struct ArchivedDownload
{
    QDateTime started;
    QDateTime ended;
    QString portName;   // as the user saw it, e.g. "ttyUSB0" or "COM3"
    QString devicePath; // e.g. "/dev/ttyUSB0" or "\\.\COM3"
    int readTimeoutMs = 0;
    DownloadEnding ending = DownloadEnding::Silence;
    QByteArray data;

    // The number of line ends in data: CR LF, a lone LF and a lone CR each end one line.
    // A last line without an end is not counted.
    static qint64 lineCountOf(const QByteArray &data);
};
