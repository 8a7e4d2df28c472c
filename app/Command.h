#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What a command line asks the program to do.
enum class CommandAction {
    RunWindow,   // no options of ours: open the window
    ShowHelp,    // print the help, exit 0
    ShowVersion, // print the version, exit 0
    UsageError,  // print the error and the help to the error stream, exit 2
    Download,    // download without a window
    Archive,     // --list-downloads, --export or --delete
    ListPorts,   // print the serial ports
    Summary,     // print a saved file's summary
    Report,      // write a commissioning report
    Team,        // the team archive
};

// One command of the command line: the option that asks for it and the options it takes. The
// command line refuses every other option of ours by the command's refusal(), then the command
// reads what it takes.
class Command
{
    Q_DECLARE_TR_FUNCTIONS(Command)

public:
    Command(QString option, QStringList takes) : asking(std::move(option)), taken(std::move(takes))
    {
    }
    virtual ~Command() = default;
    Command(const Command &) = delete;
    Command &operator=(const Command &) = delete;

    // The option that asks for it, as typed after "--".
    QString option() const { return asking; }
    // Whether the command takes the option (its own included).
    bool takes(const QString &name) const { return name == asking || taken.contains(name); }
    // The options it takes besides its own.
    QStringList takenOptions() const { return taken; }
    virtual bool isAsked(const QCommandLineParser &parser) const;
    // Why the option name, which it does not take, is refused; command says whether that
    // option asks for another command.
    virtual QString refusal(const QString &name, bool command) const;
    // Reads the options it takes; false with error set when they do not fit.
    virtual bool read(const QCommandLineParser &parser, QString *error) = 0;
    virtual CommandAction action() const = 0;

private:
    QString asking;
    QStringList taken;
};
