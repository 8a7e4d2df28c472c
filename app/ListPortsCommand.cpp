#include "app/ListPortsCommand.h"

#include "app/DownloadCommand.h"
#include "app/ErrorStream.h"
#include "app/OptionNames.h"
#include "app/PortListing.h"
#include "serial/ComPortDiscovery.h"

#include <QCommandLineParser>

#include <cstdio>

using namespace OptionNames;

ListPortsCommand::ListPortsCommand() : Command(ListPortsOption, {FormatOption})
{
}

void ListPortsCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        ListPortsOption, tr("Lists the serial ports: name, device path, USB vendor:product, "
                            "serial number and description, one port a line, and exits.")));
    parser.addOption(QCommandLineOption(
        FormatOption,
        tr("With --list-ports, --list-downloads or --summary: text (the default) or json."),
        tr("format", "value name of --format")));
}

QString ListPortsCommand::refusal(const QString &name, bool command) const
{
    if (name == DownloadOption)
        return tr("--list-ports and --download exclude each other.");
    return command ? Command::refusal(name, command) : DownloadCommand::loneRefusal(name);
}

bool ListPortsCommand::read(const QCommandLineParser &parser, QString *error)
{
    const QString format = parser.value(FormatOption);
    if (parser.isSet(FormatOption) && format != QLatin1String("text") &&
        format != QLatin1String("json")) {
        *error = tr("--format is text or json, not '%1'.", "%1 is the value as the user typed it")
                     .arg(format);
        return false;
    }
    asJson = format == QLatin1String("json");
    return true;
}

QString ListPortsCommand::noPortsText()
{
    return tr("The system reports no serial port. Plug in the tester's adapter and try again.");
}

int ListPortsCommand::run(bool json)
{
    QList<ComPortInfo> ports;
    enumerateComPorts(ports);
    const QByteArray listing = json ? PortListing::json(ports) : PortListing::text(ports);
    std::fwrite(listing.constData(), 1, size_t(listing.size()), stdout);
    if (ports.isEmpty() && !json)
        ErrorStream::say(noPortsText());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
