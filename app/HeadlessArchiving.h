#pragma once

#include "download/DownloadWorkflow.h"
#include "download/SaveStep.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

// How the command-line download speaks in the download workflow: the download kept when the
// session ends (before it is written), its save recorded, and one line on the error stream for
// a damaged archive met on opening it, for a download that was not archived, and, when the
// output could not be written, for the command that writes the archived download again.
class HeadlessArchiving : private DownloadWorkflow::Voice
{
    Q_DECLARE_TR_FUNCTIONS(HeadlessArchiving)

public:
    // Writes the data as asked; what came of it.
    using SaveStep = std::function<::SaveStep::Outcome(const QByteArray &)>;

    // archive false: nothing is kept. archivePath empty: the program's own archive. output and
    // european as the command line gives them.
    HeadlessArchiving(bool archive, const QString &archivePath, const QString &output,
                      const std::optional<bool> &european);

    void begin(const QString &portName, const QString &devicePath, int readTimeoutMs);
    // Opens the archive before the port: says what happened to a damaged archive of the
    // program's own, and false (said why) when the archive named is refused. An archive that
    // cannot be written does not stop the download; it is said that it was not archived.
    bool check();
    // The session ended with data: keeps it, writes it by save, summarises it; what the
    // writing came to.
    ::SaveStep::Outcome end(const QByteArray &data, DownloadEnding ending, const SaveStep &save);
    // The session was stopped by a signal: keeps what came, nothing is written.
    void interrupted(const QByteArray &data);

private:
    void kept(bool stored) override;
    void save(const QByteArray &data) override;
    void settled() override;

    QString archivePath;
    QString output;
    std::optional<bool> european;
    DownloadWorkflow workflow;
    SaveStep saveStep;
    std::optional<::SaveStep::Outcome> outcome;
};
