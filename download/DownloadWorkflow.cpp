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
    if (keeper->storedId())
        return true;
    const bool stored = keeper->keep(data, ending).has_value();
    voice.kept(stored);
    return stored;
}

void DownloadWorkflow::end(const QByteArray &data, DownloadEnding ending, bool offerSave)
{
    // Kept before anything is written: a save that fails loses nothing.
    keep(data, ending);
    if (offerSave)
        voice.save(data);
    if (keeper)
        keeper->settle(data);
    voice.settled();
}

bool DownloadWorkflow::saved(const QString &path, bool european)
{
    if (!keeper)
        return true;
    const bool recorded = keeper->saved(path, european);
    if (Archive *open = keeper->archive())
        open->checkpoint();
    return recorded;
}
