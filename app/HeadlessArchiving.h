#pragma once

#include "archive/DownloadArchiver.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// The command-line download's side of the archive: the download kept when the session ends
// (before it is written), its save recorded, and one line on the error stream for a damaged
// archive met on opening it, for a download that was not archived, and, when the output
// could not be written, for the command that writes the archived download again.
class HeadlessArchiving
{
    Q_DECLARE_TR_FUNCTIONS(HeadlessArchiving)

public:
    // archivePath empty: the program's own archive.
    HeadlessArchiving(const QString &archivePath, const QString &portName,
                      const QString &devicePath, int readTimeoutMs);

    // Opens the archive before the port: says what happened to a damaged archive of the
    // program's own, and false (said why) when the archive named is refused. An archive that
    // cannot be written does not stop the download; keep() says it was not archived.
    bool check();
    // The session ended with data, before it is written.
    void keep(const QByteArray &data, DownloadEnding ending);
    // The session was stopped by a signal: keeps what came, nothing is written.
    void interrupted(const QByteArray &data);
    // The output was written (path "-": the standard output, not recorded; a save the
    // archive could not record is said).
    void saved(const QByteArray &data, const QString &output, bool european);
    // The output could not be written: says where the data is and how to write it.
    void notWritten(const QByteArray &data, const QString &output,
                    const std::optional<bool> &european);

private:
    QString archivePath;
    DownloadArchiver archiver;
};
