#include "app/SummaryCommand.h"

#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>

namespace {

const QString SummaryOption = QStringLiteral("summary");
// The command line's own option, which --summary shares with --list-ports.
const QString FormatOption = QStringLiteral("format");

void put(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void SummaryCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        SummaryOption,
        tr("Prints the summary of a saved .csv or .txt file (records, PASS, FAIL) and the "
           "warnings that its data may be incomplete."),
        tr("file", "value name of --summary")));
}

bool SummaryCommand::isAsked(const QCommandLineParser &parser)
{
    return parser.isSet(SummaryOption);
}

SummaryCommand::Options SummaryCommand::read(const QCommandLineParser &parser, QString *error)
{
    Options options;
    options.file = parser.value(SummaryOption);
    const QString format = parser.value(FormatOption);
    if (parser.isSet(QStringLiteral("download")))
        *error = tr("--summary and --download exclude each other.");
    else if (parser.isSet(FormatOption) && format != QLatin1String("text") &&
             format != QLatin1String("json"))
        *error =
            tr("--format takes text or json, not '%1'.", "%1 is the value as the user typed it")
                .arg(format);
    options.json = format == QLatin1String("json");
    return options;
}

ResultsSummary SummaryCommand::of(const QByteArray &received)
{
    const ResultTable table = ResultsParser::parse(received);
    return ResultsSummary(table, ResultsCheck::check(table));
}

QString SummaryCommand::text(const ResultsSummary &summary)
{
    QString text = summary.text() + QLatin1Char('\n');
    for (const ResultWarning &warning : summary.warnings())
        text += warning.text + QLatin1Char('\n');
    return text;
}

QByteArray SummaryCommand::json(const ResultsSummary &summary)
{
    return QJsonDocument(summary.toJson()).toJson(QJsonDocument::Compact) + '\n';
}

int SummaryCommand::statusOf(const ResultsSummary &summary)
{
    return summary.isComplete() ? Complete : Incomplete;
}

int SummaryCommand::run(const Options &options)
{
    QFile file(options.file);
    QByteArray received;
    if (file.open(QIODevice::ReadOnly))
        received = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        put(stderr,
            tr("The file \"%1\" could not be read: %2", "%1 is a file name, %2 the system's reason")
                    .arg(options.file, file.errorString())
                    .toLocal8Bit() +
                '\n');
        return Unreadable;
    }
    const ResultsSummary summary = of(received);
    put(stdout, options.json ? json(summary) : text(summary).toLocal8Bit());
    return statusOf(summary);
}

int SummaryCommand::report(const QByteArray &received, std::FILE *stream, bool quiet)
{
    const ResultsSummary summary = of(received);
    QString lines = text(summary);
    if (quiet)
        lines = lines.mid(lines.indexOf(QLatin1Char('\n')) + 1);
    put(stream, lines.toLocal8Bit());
    return statusOf(summary);
}
