#include "app/ReportCommand.h"

#include "app/ErrorStream.h"
#include "app/OptionNames.h"
#include "app/ResultsFile.h"
#include "app/SummaryCommand.h"
#include "archive/Archive.h"
#include "checks/KeptDesign.h"
#include "report/CommissioningReport.h"
#include "report/ReportTrace.h"
#include "results/ResultsParser.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace OptionNames;

std::optional<SiteDesign> ReportCommand::keptDesign(const QString &archivePath,
                                                    const ResultTable &table, QString *error)
{
    const QString path = archivePath.isEmpty() ? Archive::defaultPath() : archivePath;
    const auto unreadable = [&path](const QString &reason) {
        return tr("The archive \"%1\" could not be read: %2",
                  "%1 is the archive's path, %2 the reason")
            .arg(QDir::toNativeSeparators(path), reason);
    };
    // An archive that is not there keeps no design; opening it would create it.
    const bool present = QFileInfo::exists(path);
    Archive archive;
    if (present && !archive.open(path, Archive::Mode::Read)) {
        *error = archive.errorString(); // names the archive
        return std::nullopt;
    }
    const KeptDesign kept = KeptDesign::find(table, [&](const QString &site, QString *reason) {
        if (!present)
            return std::optional<QByteArray>(QByteArray());
        const std::optional<QByteArray> json = archive.designFor(site);
        if (!json)
            *reason = unreadable(archive.errorString());
        return json;
    });
    switch (kept.outcome) {
    case KeptDesign::Outcome::Found:
        return kept.design;
    case KeptDesign::Outcome::NoneKept:
        *error = tr("No design is kept in the archive for the site of these results (%1); give "
                    "one with --design.",
                    "%1 lists the sites' names")
                     .arg(kept.sites.isEmpty() ? tr("no Site column")
                                               : kept.sites.join(QStringLiteral(", ")));
        break;
    case KeptDesign::Outcome::SeveralSites:
        *error = tr("The archive keeps designs for several sites of these results (%1); choose "
                    "one with --design.",
                    "%1 lists the sites' names")
                     .arg(kept.sites.join(QStringLiteral(", ")));
        break;
    case KeptDesign::Outcome::Unreadable:
    case KeptDesign::Outcome::Unusable:
        *error = kept.reason;
        break;
    }
    return std::nullopt;
}

void ReportCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        ReportOption,
        tr("Writes the commissioning test report as the PDF file --output: the results of "
           "download ID of the archive, or of a saved .csv or .txt file, checked against the "
           "site's design (--design, else the design the archive keeps for the site)."),
        tr("ID or file", "value name of --report")));
}

bool ReportCommand::isArchiveId(const QString &source)
{
    if (source.isEmpty() || source.size() > 18)
        return false;
    for (const QChar c : source)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

ReportCommand::ReportCommand() : Command(ReportOption, {OutputOption, DesignOption, ArchiveOption})
{
}

QString ReportCommand::refusal(const QString &name, bool command) const
{
    if (command)
        return tr("--report and --%1 exclude each other.", "%1 is an option's name").arg(name);
    return tr("The option '%1' does not go with --report.", "%1 is an option's name").arg(name);
}

bool ReportCommand::read(const QCommandLineParser &parser, QString *error)
{
    Options options;
    options.source = parser.value(ReportOption);
    options.output = parser.value(OutputOption);
    options.design = parser.value(DesignOption);
    options.archive = parser.value(ArchiveOption);
    if (options.source.isEmpty())
        *error = tr("--report needs a download's id or a saved file.");
    else if (options.output.isEmpty() || options.output == QLatin1String("-"))
        *error = tr("--report needs --output and the name of the PDF file to write.");
    else if (parser.isSet(DesignOption) && options.design.isEmpty())
        *error = tr("--design needs a file.");
    else if (parser.isSet(ArchiveOption) && options.archive.isEmpty())
        *error = tr("--archive needs a file.");
    with = options;
    return error->isEmpty();
}

int ReportCommand::run(const Options &options)
{
    QString error;
    std::optional<SiteDesign> design;
    if (!options.design.isEmpty()) {
        design = SummaryCommand::readDesign(options.design, &error);
        if (!design) {
            ErrorStream::say(error);
            return Unreadable;
        }
    }

    QByteArray received;
    ResultsParser::Bytes form = ResultsParser::Bytes::Tester;
    ReportTrace trace;
    if (isArchiveId(options.source)) {
        const qint64 id = options.source.toLongLong();
        const QString path = options.archive.isEmpty() ? Archive::defaultPath() : options.archive;
        // Read only: a missing archive is not created, nor a damaged one moved aside.
        Archive archive;
        if (!archive.open(path, Archive::Mode::Read)) {
            ErrorStream::say(archive.errorString()); // names the archive
            return ArchiveUnusable;
        }
        const std::optional<DownloadSummary> summary = archive.summary(id);
        if (!summary && !archive.notFound()) {
            ErrorStream::say(tr("The archive \"%1\" could not be read: %2",
                                "%1 is the archive's path, %2 the reason")
                                 .arg(QDir::toNativeSeparators(path), archive.errorString()));
            return ArchiveUnusable;
        }
        if (!summary) {
            ErrorStream::say(tr("There is no download %1 in the archive \"%2\".",
                                "%1 is the download's id, %2 the archive's path")
                                 .arg(id)
                                 .arg(QDir::toNativeSeparators(path)));
            return NoSuchDownload;
        }
        const std::optional<QByteArray> data = archive.data(id);
        if (!data) {
            ErrorStream::say(tr("The download %1 could not be read from the archive: %2",
                                "%1 is the download's id, %2 the reason")
                                 .arg(id)
                                 .arg(archive.errorString()));
            return Unreadable;
        }
        received = *data;
        trace = ReportTrace::of(received,
                                summary->ended.isValid() ? summary->ended : summary->started, id);
    } else {
        const std::optional<QByteArray> bytes = ResultsFile::read(options.source, &error);
        if (!bytes) {
            ErrorStream::say(error);
            return Unreadable;
        }
        trace = ReportTrace::of(*bytes, QDateTime(), 0, QFileInfo(options.source).fileName());
        received = ResultsFile::toUtf8(*bytes);
        form = ResultsParser::Bytes::Utf8;
    }
    return write(options, std::move(design), received, trace, form);
}

int ReportCommand::write(const Options &options, std::optional<SiteDesign> design,
                         const QByteArray &received, const ReportTrace &trace,
                         ResultsParser::Bytes form)
{
    QString error;
    const ResultTable table = ResultsParser::parse(received, form);
    if (!design && !options.archive.isEmpty() && !isArchiveId(options.source)) {
        // An archive the user named is refused like one read for a download.
        Archive archive;
        if (!archive.open(options.archive, Archive::Mode::Read)) {
            ErrorStream::say(archive.errorString());
            return ArchiveUnusable;
        }
    }
    if (!design) {
        design = keptDesign(options.archive, table, &error);
        if (!design) {
            ErrorStream::say(error);
            return Unreadable;
        }
    }
    const CommissioningReport report(table, *design, trace);
    if (!report.save(options.output, &error)) {
        ErrorStream::say(error);
        return NotWritten;
    }
    return Written;
}
