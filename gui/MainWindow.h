#ifndef MARLUNE_MAINWINDOW_H
#define MARLUNE_MAINWINDOW_H

#include "gui/OutputBox.h"
#include "gui/SessionArchiving.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class MainWindow;
}

class CompletenessIndicator;
class DownloadSession;
class SessionText;
class QProgressBar;

// The program's only window: the port list, the downloaded output and the menus. One window
// lives per start-up cycle; it restores its settings when built and saves them when
// destroyed. The download itself is a DownloadSession; the window drives its controls
// around it, shows what arrives and saves the data.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~MainWindow() override;

    // Set just before the window closes to have the start-up cycle run again.
    bool restartRequested = false;

public slots:
    // Receives the SessionText's textReady: shows the text that arrived.
    void readyRead();
    // Receives the session's finished: the line fell silent after data (or was lost after
    // data), so the session is over and its data is offered for saving.
    void readTimeOut();

private slots:
    void changeLanguage();
    void refreshPorts();
    void download();
    void cancelDownload();
    void openFile();
    void saveFile();
    void showAbout();
    void showHelp();
    void showHistory();
    void convertDataToggled(bool checked);
    // View > Results: the data on screen as results, in a window of its own.
    void showResults();

private:
    // The save step of the download workflow after a session.
    void saveEndedSession();
    // The download workflow has ended.
    void sessionSettled();
    void sessionFailed(const QString &reason);
    void showSessionEnded();
    void showIdleMessage();
    void showConnectionFailure(const QString &reason);
    void showWarning(const QString &text, const QString &reason = QString());

    std::unique_ptr<Ui::MainWindow> ui;
    OutputBox output;
    // Every session's download kept in the archive.
    SessionArchiving archiving{this};
    // Sends the archive's downloads to the team archive in the background.
    class TeamArchiveStatus *teamArchive = nullptr;
    DownloadSession *session = nullptr;
    SessionText *sessionText = nullptr; // the session's bytes as the output box shows them
    QProgressBar *progressBar = nullptr;
    CompletenessIndicator *completeness = nullptr;
    QString lastSavedFile;
    // When the last session ended, for the report's trace.
    QDateTime sessionEndedAt;
    // Whether lastSavedFile holds the data on screen, so that Open shows what the user sees.
    bool savedFileHoldsData = false;
    // From the end of a session until its save dialog is done: no new session may start
    // and empty the data being saved.
    bool savingEndedSession = false;
    // While Download handles the clicks that came during the wait before the commands.
    bool cancelNotShownYet = false;
};

#endif
