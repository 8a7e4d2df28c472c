#include "gui/MainWindow.h"

#include "gui/TeamArchiveDialog.h"
#include "gui/TeamArchiveStatus.h"
#include "ui_MainWindow.h"

#include "common/InstallPaths.h"
#include "common/Settings.h"
#include "download/DownloadSession.h"
#include "download/PortErrorText.h"
#include "download/SaveStep.h"
#include "download/SavedData.h"
#include "download/SessionText.h"
#include "gui/CompletenessIndicator.h"
#include "gui/DialogLanguage.h"
#include "gui/HistoryWindow.h"
#include "gui/PortList.h"
#include "gui/ResultsWindow.h"
#include "gui/SaveDialogFlow.h"
#include "gui/StatusMessage.h"
#include "serial/ComPortDiscovery.h"
#include "translation/Translators.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QUrl>

#include <utility>

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), ui(new Ui::MainWindow), output(nullptr)
{
    ui->setupUi(this);
    output = OutputBox(ui->outputTextEdit);

    ui->cancelBtn->hide();
    ui->openBtn->hide();
    ui->saveBtn->hide();
    // The output box keeps its size when Open and Save come and go (and its scroll bar is
    // always there): a change of its width lays out the whole text again, which for a large
    // download costs as much as receiving it.
    for (QWidget *button : {ui->openBtn, ui->saveBtn}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }

    // Country Settings only make sense in a language that writes decimal commas, and only
    // once the European-format question has been answered.
    QVariant convertData;
    if (SavedData::localeUsesDecimalComma())
        convertData = Settings::value(Settings::Key::ConvertData);
    if (convertData.isNull())
        ui->menuCountrySettings->menuAction()->setVisible(false);
    else
        ui->actionConvertCsvData->setChecked(convertData.toBool());

    ui->actionChangeLanguage->setVisible(false);
    setWindowIcon(QIcon(QStringLiteral(":/DravlinIco.png")));

    auto *statusMessage = new StatusMessage(ui->statusBar);

    progressBar = new QProgressBar();
    progressBar->setValue(0);
    progressBar->setMaximum(0);
    progressBar->setMaximumHeight(15);
    progressBar->setMaximumWidth(100);
    progressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #CCCCCC; border-radius: 3px; } "
        "QProgressBar::chunk:horizontal { background: qlineargradient(x1: 0, y1: 0.5, x2: 1, "
        "y2: 0.5, stop: 0 orange, stop: 1 white); }"));

    restoreGeometry(Settings::value(Settings::Key::MainWindowGeometry).toByteArray());
    restoreState(Settings::value(Settings::Key::MainWindowState).toByteArray(), 0);

    PortList::acceptTypedPaths(ui->comPorts);
    refreshPorts();

    using Slot = void (MainWindow::*)();
    const std::pair<QAction *, Slot> menu[] = {
        {ui->actionHistory, &MainWindow::showHistory},
        {ui->actionResults, &MainWindow::showResults},
        {ui->actionChangeLanguage, &MainWindow::changeLanguage},
        {ui->actionRefreshPorts, &MainWindow::refreshPorts},
        {ui->actionHelp, &MainWindow::showHelp},
        {ui->actionAbout, &MainWindow::showAbout}};
    for (const auto &[action, slot] : menu)
        connect(action, &QAction::triggered, this, slot);
    teamArchive = new TeamArchiveStatus(ui->statusBar);
    connect(ui->menuTools->addAction(tr("Team archive...")), &QAction::triggered, this, [this] {
        if (TeamArchiveDialog(this).exec() == QDialog::Accepted)
            teamArchive->syncSoon();
    });
    const std::pair<QPushButton *, Slot> buttons[] = {{ui->downloadBtn, &MainWindow::download},
                                                      {ui->cancelBtn, &MainWindow::cancelDownload},
                                                      {ui->saveBtn, &MainWindow::saveFile},
                                                      {ui->openBtn, &MainWindow::openFile}};
    for (const auto &[button, slot] : buttons)
        connect(button, &QPushButton::clicked, this, slot);
    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionConvertCsvData, &QAction::toggled, this, &MainWindow::convertDataToggled);
    completeness = new CompletenessIndicator(ui->statusBar);
    statusMessage->setIndicator(completeness);

    archiving.setSteps([this](const QByteArray &) { saveEndedSession(); },
                       [this] { sessionSettled(); });
    session = new DownloadSession(this);
    sessionText = new SessionText(session);
    connect(sessionText, &SessionText::textReady, this, &MainWindow::readyRead);
    connect(session, &DownloadSession::finished, this, &MainWindow::readTimeOut);
    connect(session, &DownloadSession::failed, this, &MainWindow::sessionFailed);
    connect(session, &DownloadSession::lineSendsOnlyNul, this, [this] {
        ui->statusBar->showMessage(
            tr("The line sends only NUL bytes. Check the cable and the tester."));
    });

    showIdleMessage();
}

MainWindow::~MainWindow()
{
    Settings::setValue(Settings::Key::MainWindowGeometry, saveGeometry());
    Settings::setValue(Settings::Key::MainWindowState, saveState(0));
    Settings::setValue(Settings::Key::PortName, ui->comPorts->currentText());
    // Closed while downloading: stop the worker and free the port before the window's
    // members go, and let nothing of the session reach a window half gone.
    disconnect(session, nullptr, this, nullptr);
    if (session->isRunning()) {
        session->cancel();
        archiving.keepOnClose(session->data());
    }
    delete session;
    delete progressBar;
}

void MainWindow::changeLanguage()
{
    // The folder beside the executable, as at start-up: a relative "Translations" would
    // depend on the working directory a launcher happens to give us.
    DialogLanguage dialog(InstallPaths::translationsDirectory(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    QMessageBox question;
    question.setText(tr("The language will be changed next time Marlune DataLogger is started."));
    question.setInformativeText(tr("Would you like to restart now?"));
    question.setIcon(QMessageBox::Question);
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    if (question.exec() == QMessageBox::Yes) {
        restartRequested = true;
        close();
    }
}

void MainWindow::refreshPorts()
{
    QList<ComPortInfo> ports;
    enumerateComPorts(ports);
    PortList::fill(ui->comPorts, ports, Settings::value(Settings::Key::PortName).toString());
}

void MainWindow::convertDataToggled(bool checked)
{
    Settings::setValue(Settings::Key::ConvertData, checked);
}

void MainWindow::download()
{
    if (session->isRunning() || savingEndedSession)
        return;

    ui->downloadBtn->hide();
    ui->cancelBtn->show();
    ui->openBtn->hide();
    ui->saveBtn->hide();
    ui->actionRefreshPorts->setEnabled(false);
    ui->actionChangeLanguage->setEnabled(false);
    ui->comPorts->setEnabled(false);
    ui->statusBar->showMessage(tr("Now initiate the download on the tester"));
    ui->statusBar->addPermanentWidget(progressBar, 0);
    progressBar->show();
    output.clear();
    savedFileHoldsData = false;
    completeness->clear();
    ui->actionResults->setEnabled(false);

    const int readTimeout = Settings::value(Settings::Key::ReadTimeout).toInt();
    archiving.begin(ui->comPorts->currentText(), PortList::selectedPath(ui->comPorts), readTimeout);
    if (!session->start(PortList::selectedPath(ui->comPorts), readTimeout)) {
        showSessionEnded();
        showIdleMessage();
        showConnectionFailure(session->openFailureReason());
        return;
    }
    // The wait before the commands blocks this thread, and nothing has been drawn since the
    // click: a click that came meanwhile (the second click of a double click on Download)
    // waits in the queue and would land on Cancel, which now stands where Download was. Such
    // clicks are handled here, before Cancel can be seen, and Cancel does not take them.
    cancelNotShownYet = true;
    QCoreApplication::processEvents();
    ui->cancelBtn->setDown(false); // nor a press from then whose release comes later
    cancelNotShownYet = false;
}

void MainWindow::cancelDownload()
{
    if (!session->isRunning() || cancelNotShownYet)
        return;
    session->cancel();
    showSessionEnded();
    if (!session->hasData())
        showIdleMessage();
    archiving.end(session->data(), DownloadEnding::Cancelled, false);
}

void MainWindow::showSessionEnded()
{
    sessionEndedAt = QDateTime::currentDateTime();
    ui->downloadBtn->show();
    ui->cancelBtn->hide();
    ui->openBtn->setVisible(savedFileHoldsData);
    ui->saveBtn->setVisible(session->hasData());
    ui->actionRefreshPorts->setEnabled(true);
    ui->actionChangeLanguage->setEnabled(true);
    ui->comPorts->setEnabled(true);
    ui->statusBar->removeWidget(progressBar);
    ui->actionResults->setEnabled(session->hasData());
    completeness->showFor(session->data());
}

void MainWindow::showIdleMessage()
{
    ui->statusBar->showMessage(tr("Please select a port and connect your device"));
}

void MainWindow::readyRead()
{
    output.append(sessionText->takeText());
    // Once data flows, the request to start the transfer on the tester has done its job: the
    // message beside the busy indicator counts the bytes instead, so a long download
    // visibly moves. It stays as the total when the session ends.
    if (session->hasData())
        ui->statusBar->showMessage(tr("Bytes received: %1",
                                      "The %1 will be replaced with the number of bytes received "
                                      "so far. Please do not remove it in your translation!")
                                       .arg(QLocale().toString(session->data().size())));
}

void MainWindow::readTimeOut()
{
    // The session has ended on the tester's silence after its data, or on a line lost after
    // data: offer what came for saving.
    showSessionEnded();
    if (session->lineLost())
        ui->statusBar->showMessage(PortErrorText::lostAfterData());
    archiving.end(session->data(),
                  session->lineLost() ? DownloadEnding::LineLost : DownloadEnding::Silence, true);
}

void MainWindow::saveEndedSession()
{
    // Draw the restored controls before the dialog opens; a click that was waiting must not
    // start a new session that empties the data about to be saved.
    savingEndedSession = true;
    ui->downloadBtn->setEnabled(false);
    QCoreApplication::processEvents();
    saveFile();
}

void MainWindow::sessionSettled()
{
    // A kept download goes on to the team archive.
    teamArchive->syncSoon();
    ui->downloadBtn->setEnabled(true);
    savingEndedSession = false;
}

void MainWindow::sessionFailed(const QString &reason)
{
    showSessionEnded();
    showIdleMessage();
    showConnectionFailure(reason);
}

void MainWindow::showConnectionFailure(const QString &reason)
{
    showWarning(PortErrorText::connectionFailed(), reason);
}

void MainWindow::showWarning(const QString &text, const QString &reason)
{
    QMessageBox box(this);
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    box.setInformativeText(reason);
    box.exec();
}

void MainWindow::saveFile()
{
    const std::optional<SaveDialogFlow::Choice> choice = SaveDialogFlow::ask(this);
    lastSavedFile = choice ? choice->fileName : QString();
    savedFileHoldsData = false;
    ui->openBtn->hide();
    if (!choice)
        return;

    archiving.beforeWriting();
    const SaveStep::Outcome outcome = SaveDialogFlow::save(this, session->data(), *choice);
    if (!outcome.saved())
        return;
    archiving.saved(lastSavedFile, outcome.european);
    savedFileHoldsData = true;
    ui->openBtn->show();
    ui->statusBar->showMessage(outcome.headline, 3000);
}

void MainWindow::openFile()
{
    if (savedFileHoldsData)
        QDesktopServices::openUrl(QUrl::fromLocalFile(lastSavedFile));
}

void MainWindow::showResults()
{
    if (!session->hasData() || session->isRunning())
        return;
    const QString title = savedFileHoldsData ? QFileInfo(lastSavedFile).fileName() : QString();
    auto *results = new ResultsWindow(session->data(), title, this);
    results->setArchive(archiving.archive()); // the sites' designs
    // The report's trace: when the data came, and the download the archive keeps.
    results->setSource(sessionEndedAt, archiving.storedId().value_or(0));
    results->show();
}

void MainWindow::showAbout()
{
    const QString text = tr("Marlune DataLogger\n\n %1\n",
                            "The %1 is replaced with the version number so please don't remove it!")
                             .arg(QCoreApplication::applicationVersion());
    QMessageBox::about(this, tr("About Marlune DataLogger", "Title of the About box"), text);
}

void MainWindow::showHistory()
{
    if (session->isRunning() || savingEndedSession)
        return;
    Archive *archive = archiving.archive();
    HistoryWindow history(archive, archiving.problem(), this);
    history.exec();
}

void MainWindow::showHelp()
{
    // The page in the language of the interface, else the English one.
    const QString page = InstallPaths::helpPage(QLocale().name().left(2));
    if (page.isEmpty()) {
        showWarning(tr("The help pages were not found in \"%1\".",
                       "The %1 will be replaced with the name of a folder. Please do not remove "
                       "it in your translation!")
                        .arg(QDir::toNativeSeparators(InstallPaths::helpDirectory())),
                    tr("Please reinstall Marlune DataLogger."));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}
