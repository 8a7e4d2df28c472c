#include "gui/SessionArchiving.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

SessionArchiving::SessionArchiving(QMainWindow *window) : window(window)
{
    archiver().setSummaryLimit(summaryLimit);
}

void SessionArchiving::setSteps(std::function<void(const QByteArray &)> saveStep,
                                std::function<void()> afterSettling)
{
    this->saveStep = std::move(saveStep);
    this->afterSettling = std::move(afterSettling);
}

Archive *SessionArchiving::archive()
{
    Archive *opened = archiver().archive();
    tellNotice();
    return opened;
}

void SessionArchiving::tellNotice()
{
    const QString notice = archiver().takeNotice();
    if (notice.isEmpty())
        return;
    QMessageBox box(window);
    box.setIcon(QMessageBox::Warning);
    box.setText(notice);
    box.exec();
}

void SessionArchiving::begin(const QString &portName, const QString &devicePath, int readTimeoutMs)
{
    workflow.begin(portName, devicePath, readTimeoutMs);
}

void SessionArchiving::end(const QByteArray &data, DownloadEnding ending, bool offerSave)
{
    workflow.end(data, ending, offerSave);
}

void SessionArchiving::kept(bool stored)
{
    // A damaged archive met here is told once the workflow has settled: the save dialog
    // comes first.
    if (stored)
        return;
    // The message of the session's end stays in front: the download itself went well.
    QStatusBar *statusBar = window->statusBar();
    const QString shown = statusBar->currentMessage();
    statusBar->showMessage(shown.isEmpty() ? archiver().problem()
                                           : shown + QStringLiteral("  ") + archiver().problem());
}

void SessionArchiving::save(const QByteArray &data)
{
    if (saveStep)
        saveStep(data);
}

void SessionArchiving::settled()
{
    tellNotice();
    if (afterSettling)
        afterSettling();
}

void SessionArchiving::keepOnClose(const QByteArray &data)
{
    archiver().keep(data, DownloadEnding::Interrupted);
    archiver().settle(data);
}

void SessionArchiving::saved(const QString &path, bool european)
{
    workflow.saved(path, european);
}
