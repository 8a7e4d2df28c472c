#pragma once

#include <QString>

// The command line's option names, as typed after "--", shared by every command that reads them.
namespace OptionNames {

inline const QString HelpOption = QStringLiteral("help");
inline const QString VersionOption = QStringLiteral("version");
inline const QString DownloadOption = QStringLiteral("download");
inline const QString PortOption = QStringLiteral("port");
inline const QString OutputOption = QStringLiteral("output");
inline const QString ReadTimeoutOption = QStringLiteral("read-timeout");
inline const QString StartTimeoutOption = QStringLiteral("start-timeout");
inline const QString EuropeanOption = QStringLiteral("european");
inline const QString NoEuropeanOption = QStringLiteral("no-european");
inline const QString QuietOption = QStringLiteral("quiet");
inline const QString VerboseOption = QStringLiteral("verbose");
inline const QString ListPortsOption = QStringLiteral("list-ports");
inline const QString FormatOption = QStringLiteral("format");
inline const QString SummaryOption = QStringLiteral("summary");
inline const QString DesignOption = QStringLiteral("design");
inline const QString ReportOption = QStringLiteral("report");
inline const QString ListDownloadsOption = QStringLiteral("list-downloads");
inline const QString ExportOption = QStringLiteral("export");
inline const QString DeleteOption = QStringLiteral("delete");
inline const QString ArchiveOption = QStringLiteral("archive");
inline const QString NoArchiveOption = QStringLiteral("no-archive");
inline const QString TeamOption = QStringLiteral("team");
inline const QString SyncOption = QStringLiteral("sync");
inline const QString TeamInitOption = QStringLiteral("team-init");

} // namespace OptionNames
