#include "download/DownloadWorkflow.h"

DownloadWorkflow::DownloadWorkflow(Voice &voice, bool archive, const QString &archivePath)
    : voice(voice)
{
    if (archive)
        keeper = std::make_unique<DownloadArchiver>(archivePath);
}

DownloadWorkflow::~DownloadWorkflow() = default;

void DownloadWorkflow::begin(const QString &portName, const QString &devicePath, int readTimeoutMs)
{
    if (keeper)
        keeper->begin(portName, devicePath, readTimeoutMs);
}

bool DownloadWorkflow::keep(const QByteArray &data, DownloadEnding ending)
{
    if (!keeper || data.isEmpty())
        return false;
    if (keeper->keepingBeside())
        return kept();
    if (keeper->storedId())
        return true;
    const bool stored = keeper->keep(data, ending).has_value();
    voice.kept(stored);
    return stored;
}

bool DownloadWorkflow::kept()
{
    if (!keeper)
        return false;
    if (!keeper->keepingBeside())
        return keeper->storedId().has_value();
    const bool stored = keeper->waitKept().has_value();
    voice.kept(stored);
    return stored;
}

void DownloadWorkflow::end(const QByteArray &data, DownloadEnding ending, bool offerSave)
{
    // Kept before anything is written: a save that fails loses nothing. A voice that asks
    // first has the download stored beside its question, and waits for it before writing.
    if (offerSave && voice.asksFirst() && keeper && !data.isEmpty() && !keeper->storedId()) {
        keeper->keepBeside(data, ending);
        if (!keeper->keepingBeside()) // kept, or not, at once: an archive that is not open
            voice.kept(keeper->storedId().has_value());
        voice.save(data);
        kept();
    } else {
        keep(data, ending);
        if (offerSave)
            voice.save(data);
    }
    if (keeper)
        keeper->settle(data);
    voice.settled();
}

bool DownloadWorkflow::saved(const QString &path, bool european)
{
    if (!keeper)
        return true;
    kept();
    const bool recorded = keeper->saved(path, european);
    if (Archive *open = keeper->archive())
        open->checkpoint();
    return recorded;
}
