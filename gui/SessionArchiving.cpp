#include "gui/SessionArchiving.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

SessionArchiving::SessionArchiving(QMainWindow *window) : window(window)
{
    archiver.setSummaryLimit(summaryLimit);
}

Archive *SessionArchiving::archive()
{
    Archive *opened = archiver.archive();
    tellNotice();
    return opened;
}

void SessionArchiving::tellNotice()
{
    const QString notice = archiver.takeNotice();
    if (notice.isEmpty())
        return;
    QMessageBox box(window);
    box.setIcon(QMessageBox::Warning);
    box.setText(notice);
    box.exec();
}

void SessionArchiving::begin(const QString &portName, const QString &devicePath, int readTimeoutMs)
{
    archiver.begin(portName, devicePath, readTimeoutMs);
}

void SessionArchiving::keep(const QByteArray &data, DownloadEnding ending)
{
    if (data.isEmpty() || archiver.storedId())
        return;
    // A damaged archive met here is told at settle(): the save dialog comes first.
    const bool stored = archiver.keep(data, ending).has_value();
    if (stored)
        return;
    // The message of the session's end stays in front: the download itself went well.
    QStatusBar *statusBar = window->statusBar();
    const QString shown = statusBar->currentMessage();
    statusBar->showMessage(shown.isEmpty() ? archiver.problem()
                                           : shown + QStringLiteral("  ") + archiver.problem());
}

void SessionArchiving::keepOnClose(const QByteArray &data)
{
    archiver.keep(data, DownloadEnding::Interrupted);
    archiver.settle(data);
}

void SessionArchiving::saved(const QString &path, bool european)
{
    archiver.saved(path, european);
    if (Archive *open = archiver.archive())
        open->checkpoint();
}

void SessionArchiving::settle(const QByteArray &data)
{
    archiver.settle(data);
    tellNotice();
}
