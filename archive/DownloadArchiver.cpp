#include "archive/DownloadArchiver.h"

#include "checks/DesignChecks.h"
#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"
#include "results/ResultsSummary.h"

#include <system_error>
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
    archive();
}

ArchivedDownload DownloadArchiver::sessionDownload(const QByteArray &data,
                                                   DownloadEnding ending) const
{
    ArchivedDownload download;
    download.started = started;
    download.ended = QDateTime::currentDateTimeUtc();
    download.portName = port;
    download.devicePath = device;
    download.readTimeoutMs = timeout;
    download.ending = ending;
    download.data = data; // shared with the session's buffer, not copied
    return download;
}

std::optional<qint64> DownloadArchiver::keep(const QByteArray &data, DownloadEnding ending)
{
    if (keepingBeside())
        return waitKept();
    if (!inSession || data.isEmpty())
        return stored;
    inSession = false;
    archive();
    // An archive that did not open says so in its store's words: "This download was not
    // archived: ...".
    return storeHere(sessionDownload(data, ending));
}

std::optional<qint64> DownloadArchiver::storeHere(const ArchivedDownload &download)
{
    stored = handle->store(download);
    lastProblem = stored ? QString() : handle->errorString();
    return stored;
}

void DownloadArchiver::keepBeside(const QByteArray &data, DownloadEnding ending)
{
    if (keepingBeside() || !inSession || data.isEmpty() || !archive()) {
        keep(data, ending);
        return;
    }
    inSession = false;
    besideDownload = sessionDownload(data, ending);
    // The archive is open here, so it is this program's and in its newest layout: the
    // connection beside it changes only the row it adds. Its own Archive lives and ends on
    // the thread that uses it, as Qt SQL requires.
    const auto store = [path = handle->path(), download = besideDownload] {
        Archive archive;
        return archive.open(path, Archive::Mode::Change) ? archive.store(download) : std::nullopt;
    };
    try {
        beside = std::async(std::launch::async, store);
    } catch (const std::system_error &) {
        // No thread to be had: kept here instead.
        storeHere(std::exchange(besideDownload, ArchivedDownload()));
    }
}

std::optional<qint64> DownloadArchiver::waitKept()
{
    if (!keepingBeside())
        return stored;
    const ArchivedDownload download = std::exchange(besideDownload, ArchivedDownload());
    stored = beside.get();
    if (stored) {
        lastProblem.clear();
        return stored;
    }
    // A failed store rolled back: nothing of it is in the archive, and the archive's own
    // connection (open, or nothing went beside) may still succeed: a lock held too long.
    return storeHere(download);
}

bool DownloadArchiver::saved(const QString &path, bool european)
{
    waitKept();
    if (!stored || !handle ||
        handle->recordSave(*stored, path, european, QDateTime::currentDateTimeUtc()))
        return true;
    lastProblem = handle->errorString();
    return false;
}

void DownloadArchiver::settle(const QByteArray &data)
{
    waitKept();
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
