#pragma once

#include "app/Command.h"

// --list-ports [--format text|json]: the serial ports on the standard output.
class ListPortsCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ListPortsCommand)

public:
    ListPortsCommand();
    // Whether it prints JSON rather than lines of text.
    bool json() const { return asJson; }
    // Adds its options to a command line, as the help lists them.
    static void addOptions(QCommandLineParser &parser);

    QString refusal(const QString &name, bool command) const override;
    bool read(const QCommandLineParser &parser, QString *error) override;
    CommandAction action() const override { return CommandAction::ListPorts; }

    // The line when the system reports no serial port.
    static QString noPortsText();
    // Prints the ports; the exit status.
    static int run(bool json);

private:
    bool asJson = false;
};
