#pragma once

#include "app/Command.h"
#include "app/HeadlessDownload.h"

// --download --port PORT --output FILE [...]: the download without a window. It also says why
// an option is refused when no command takes it (the window's command line).
class DownloadCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(DownloadCommand)

public:
    // A day: a longer wait is no time-out a script means.
    static constexpr int maxStartTimeout = 86400;

    DownloadCommand();
    HeadlessDownload::Options options() const { return with; }
    // Adds its options to a command line, as the help lists them.
    static void addOptions(QCommandLineParser &parser);
    // Why an option is refused where no command that takes it is asked for.
    static QString loneRefusal(const QString &name);

    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::Download; }

private:
    HeadlessDownload::Options with;
};
