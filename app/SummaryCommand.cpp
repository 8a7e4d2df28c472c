#include "app/SummaryCommand.h"

#include "app/DownloadCommand.h"
#include "app/OptionNames.h"
#include "app/ResultsFile.h"
#include "checks/DesignFile.h"
#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using namespace OptionNames;

namespace {

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
        tr("Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the "
           "warnings that its data may be incomplete."),
        tr("file", "value name of --summary")));
    parser.addOption(QCommandLineOption(
        DesignOption,
        tr("With --summary or --report: checks the results string by string against the site's "
           "design in this JSON file (modules in series, Voc, Isc, insulation, continuity)."),
        tr("file", "value name of --design")));
}

SummaryCommand::SummaryCommand() : Command(SummaryOption, {DesignOption, FormatOption})
{
}

QString SummaryCommand::refusal(const QString &name, bool command) const
{
    if (name == DownloadOption)
        return tr("--summary and --download exclude each other.");
    if (name == TeamOption)
        return DownloadCommand::loneRefusal(name);
    return Command::refusal(name, command);
}

std::optional<SiteDesign> SummaryCommand::readDesign(const QString &path, QString *error)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        *error = tr("The design file \"%1\" could not be read: %2",
                    "%1 is a file name, %2 the system's reason")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    QString reason;
    std::optional<SiteDesign> design = DesignFile::read(bytes, &reason);
    if (!design)
        *error = tr("The design file \"%1\" cannot be used: %2",
                    "%1 is a file name, %2 what in the file is wrong")
                     .arg(path, reason);
    return design;
}

bool SummaryCommand::read(const QCommandLineParser &parser, QString *error)
{
    Options options;
    options.file = parser.value(SummaryOption);
    const QString format = parser.value(FormatOption);
    if (parser.isSet(FormatOption) && format != QLatin1String("text") &&
        format != QLatin1String("json")) {
        *error =
            tr("--format takes text or json, not '%1'.", "%1 is the value as the user typed it")
                .arg(format);
        return false;
    }
    options.json = format == QLatin1String("json");
    options.design = parser.value(DesignOption);
    if (parser.isSet(DesignOption) && options.design.isEmpty()) {
        *error = tr("--design needs a file.");
        return false;
    }
    with = options;
    return true;
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

QString SummaryCommand::text(const ResultsSummary &summary, const DesignChecks &checks)
{
    QString lines =
        text(summary) + checks.failCountsText(summary.verdictCounts()) + QLatin1Char('\n');
    const QVector<DesignChecks::Row> &rows = checks.rows();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < DesignChecks::checkCount; ++c) {
            const auto check = DesignChecks::Check(c);
            if (checks.verdict(r, check) != DesignChecks::Verdict::Fail)
                continue;
            lines += tr("row %1, %2: %3: %4",
                        "%1 is the row counted from 1 after the header, %2 the string's name, "
                        "%3 the check's key (module_count...), %4 the reason")
                         .arg(r + 1)
                         .arg(rows.at(r).string, DesignChecks::checkKey(check),
                              checks.reason(r, check)) +
                     QLatin1Char('\n');
        }
    }
    return lines;
}

QByteArray SummaryCommand::json(const ResultsSummary &summary, const DesignChecks *checks)
{
    QJsonObject object = summary.toJson();
    if (checks)
        object.insert(QStringLiteral("design"), checks->toJson());
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

int SummaryCommand::statusOf(const ResultsSummary &summary)
{
    return summary.isComplete() ? Complete : Incomplete;
}

int SummaryCommand::run(const Options &options)
{
    QString error;
    const std::optional<QByteArray> bytes = ResultsFile::read(options.file, &error);
    if (!bytes) {
        put(stderr, error.toLocal8Bit() + '\n');
        return Unreadable;
    }
    std::optional<SiteDesign> design;
    if (!options.design.isEmpty()) {
        design = readDesign(options.design, &error);
        if (!design) {
            put(stderr, error.toLocal8Bit() + '\n');
            return Unreadable;
        }
    }
    const ResultTable table =
        ResultsParser::parse(ResultsFile::toUtf8(*bytes), ResultsParser::Bytes::Utf8);
    const ResultsSummary summary(table, ResultsCheck::check(table));
    if (design) {
        const DesignChecks checks(table, *design);
        put(stdout, options.json ? json(summary, &checks) : text(summary, checks).toLocal8Bit());
    } else {
        put(stdout, options.json ? json(summary) : text(summary).toLocal8Bit());
    }
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
