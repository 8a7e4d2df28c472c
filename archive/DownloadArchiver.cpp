#include "archive/DownloadArchiver.h"

#include "checks/DesignChecks.h"
#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <utility>

DownloadArchiver::DownloadArchiver(const QString &path)
    : filePath(path.isEmpty() ? Archive::defaultPath() : path),
      mode(path.isEmpty() ? Archive::Mode::Own : Archive::Mode::Create)
{
}

DownloadArchiver::~DownloadArchiver() = default;

Archive *DownloadArchiver::archive()
{
    if (!handle) {
        handle = std::make_unique<Archive>();
        if (!handle->open(filePath, mode))
            lastProblem = handle->errorString();
        pendingNotice = handle->takeNotice();
    }
    return handle->isOpen() ? handle.get() : nullptr;
}

QString DownloadArchiver::takeNotice()
{
    archive();
    return std::exchange(pendingNotice, QString());
}

void DownloadArchiver::begin(const QString &portName, const QString &devicePath, int readTimeoutMs)
{
    started = QDateTime::currentDateTimeUtc();
    port = portName;
    device = devicePath;
    timeout = readTimeoutMs;
    inSession = true;
    stored.reset();
    summarized = false;
}

std::optional<qint64> DownloadArchiver::keep(const QByteArray &data, DownloadEnding ending)
{
    if (!inSession || data.isEmpty())
        return stored;
    inSession = false;
    ArchivedDownload download;
    download.started = started;
    download.ended = QDateTime::currentDateTimeUtc();
    download.portName = port;
    download.devicePath = device;
    download.readTimeoutMs = timeout;
    download.ending = ending;
    download.data = data; // shared with the session's buffer, not copied
    archive();
    // An archive that did not open says so in its store's words: "This download was not
    // archived: ...".
    stored = handle->store(download);
    lastProblem = stored ? QString() : handle->errorString();
    return stored;
}

bool DownloadArchiver::saved(const QString &path, bool european)
{
    if (!stored || !handle ||
        handle->recordSave(*stored, path, european, QDateTime::currentDateTimeUtc()))
        return true;
    lastProblem = handle->errorString();
    return false;
}

void DownloadArchiver::settle(const QByteArray &data)
{
    if (!stored || !handle || !handle->isOpen())
        return;
    if (!summarized && data.size() <= summaryLimit) {
        summarized = true;
        summarize(*handle, *stored, data);
    }
    handle->checkpoint();
}

bool DownloadArchiver::summarize(Archive &archive, qint64 id, const QByteArray &data)
{
    const ResultTable table = ResultsParser::parse(data);
    const ResultsSummary summary(table, ResultsCheck::check(table));
    return archive.setSummary(id, summary.records(), summary.hasVerdicts() ? summary.passed() : 0,
                              summary.hasVerdicts() ? summary.failed() : 0, summary.isComplete(),
                              DesignChecks::sites(table));
}
