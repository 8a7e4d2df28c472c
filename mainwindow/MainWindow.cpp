#include "mainwindow/MainWindow.h"

#include "app/InstallPaths.h"
#include "app/SettingsKeys.h"
#include "language/DialogLanguage.h"
#include "language/Translators.h"
#include "serial/ComPortDiscovery.h"
#include "serial/PortSettings.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QSaveFile>
#include <QSettings>
#include <QStandardItemModel>
#include <QTextCodec>
#include <QTextCursor>
#include <QThread>
#include <QUrl>

namespace {

// The tester is asked for its data once the port is open and quiet.
const char remoteCommand[] = "SYST:REM\r\n";
const char allDataCommand[] = "MEM:DATA? ALL\r\n";

// Milliseconds of line silence that end a read, when the stored value is unusable.
const int defaultReadTimeout = 110;

// Input that begins with NUL bytes is waited out in steps of this many milliseconds.
const unsigned long nulDrainStepMs = 200;
// A line that never stops sending NUL bytes (a broken or floating receive wire
// reads as a continuous break) must not freeze the window for good: after this
// many steps the commands are sent anyway.
const int maxNulDrainSteps = 25;

} // namespace

MainWindow::MainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    ui.setupUi(this);

    ui.cancelBtn->hide();
    ui.openBtn->hide();
    ui.saveBtn->hide();

    // Country Settings only make sense in a language that writes decimal commas,
    // and only once the European-format question has been answered.
    QVariant convertData;
    if (localeUsesDecimalComma())
        convertData = QSettings().value(SettingsKeys::ConvertData);
    if (convertData.isNull())
        ui.menuCountrySettings->menuAction()->setVisible(false);
    else
        ui.actionConvertCsvData->setChecked(convertData.toBool());

    ui.actionChangeLanguage->setVisible(false);
    setWindowIcon(QIcon(QStringLiteral(":/DravlinIco.png")));

    progressBar = new QProgressBar();
    progressBar->setValue(0);
    progressBar->setMaximum(0);
    progressBar->setMaximumHeight(15);
    progressBar->setMaximumWidth(100);
    progressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #CCCCCC; border-radius: 3px; } "
        "QProgressBar::chunk:horizontal { background: qlineargradient(x1: 0, y1: 0.5, x2: 1, "
        "y2: 0.5, stop: 0 orange, stop: 1 white); }"));

    ui.statusBar->setStyleSheet(
        QStringLiteral("QStatusBar { background-color: #FFFFFF; border-top: 1px solid gray; }"));
    ui.statusBar->setMinimumHeight(30);

    {
        QSettings settings;
        restoreGeometry(settings.value(SettingsKeys::MainWindowGeometry).toByteArray());
        restoreState(settings.value(SettingsKeys::MainWindowState).toByteArray(), 0);
    }

    if (comPortsAcceptTypedPaths()) {
        // Like a serial terminal: a device path such as /dev/pts/3 may be typed in.
        ui.comPorts->setEditable(true);
        // A typed path that the box takes into its list carries itself as the path to open.
        auto *model = static_cast<QStandardItemModel *>(ui.comPorts->model());
        connect(model, &QStandardItemModel::rowsInserted, this,
                [model](const QModelIndex &, int first, int last) {
                    for (int row = first; row <= last; ++row) {
                        QStandardItem *item = model->item(row);
                        if (item && item->data(Qt::UserRole).isNull())
                            item->setData(item->text(), Qt::UserRole);
                    }
                });
    }
    refreshPorts();

    connect(ui.actionExit, &QAction::triggered, this, &MainWindow::close);
    connect(ui.actionChangeLanguage, &QAction::triggered, this, &MainWindow::changeLanguage);
    connect(ui.actionRefreshPorts, &QAction::triggered, this, &MainWindow::refreshPorts);
    connect(ui.actionHelp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui.actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui.actionConvertCsvData, &QAction::toggled, this, &MainWindow::convertDataToggled);
    connect(ui.downloadBtn, &QPushButton::clicked, this, &MainWindow::download);
    connect(ui.cancelBtn, &QPushButton::clicked, this, &MainWindow::cancelDownload);
    connect(ui.saveBtn, &QPushButton::clicked, this, &MainWindow::saveFile);
    connect(ui.openBtn, &QPushButton::clicked, this, &MainWindow::openFile);

    ui.statusBar->showMessage(tr("Please select a port and connect your device"));
}

MainWindow::~MainWindow()
{
    {
        QSettings settings;
        settings.setValue(SettingsKeys::MainWindowGeometry, saveGeometry());
        settings.setValue(SettingsKeys::MainWindowState, saveState(0));
        settings.setValue(SettingsKeys::PortName, ui.comPorts->currentText());
    }
    // Closed while downloading: stop the worker and free the port before the
    // window's members go.
    if (serialDevice)
        releaseDevice();
    delete progressBar;
}

QString MainWindow::selectedPortPath() const
{
    const QString text = ui.comPorts->currentText();
    const int current = ui.comPorts->currentIndex();
    if (current >= 0 && ui.comPorts->itemText(current) == text)
        return ui.comPorts->itemData(current).toString();
    // Text typed but not yet taken into the list.
    const int listed = ui.comPorts->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (listed >= 0)
        return ui.comPorts->itemData(listed).toString();
    return text.trimmed();
}

bool MainWindow::localeUsesDecimalComma()
{
    return QLocale().toString(0.5, 'g', 6).contains(QLatin1Char(','));
}

void MainWindow::changeLanguage()
{
    // The folder beside the executable, as at start-up: a relative "Translations"
    // would depend on the working directory a launcher happens to give us.
    DialogLanguage dialog(translationsDirectory(), this);
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
    ui.comPorts->clear();
    QList<ComPortInfo> ports;
    enumerateComPorts(ports);
    const QString stored = QSettings().value(SettingsKeys::PortName).toString();

    int current = -1;
    for (const ComPortInfo &port : qAsConst(ports)) {
        ui.comPorts->addItem(port.portName, port.devicePath);
        if (port.portName == stored)
            current = ui.comPorts->count() - 1;
    }
    if (current < 0 && ui.comPorts->isEditable() && !stored.isEmpty()) {
        // A device path typed at an earlier run: pick its listed port, or list
        // the path itself while the device exists.
        const int listed = ui.comPorts->findData(stored);
        if (listed >= 0) {
            current = listed;
        } else if (ComPortRules::isExistingDevicePath(stored)) {
            ui.comPorts->addItem(stored, stored);
            current = ui.comPorts->count() - 1;
        }
    }
    if (current >= 0)
        ui.comPorts->setCurrentIndex(current);
}

void MainWindow::convertDataToggled(bool checked)
{
    QSettings().setValue(SettingsKeys::ConvertData, checked);
}

void MainWindow::download()
{
    if (serialDevice)
        return;

    ui.downloadBtn->hide();
    ui.cancelBtn->show();
    ui.openBtn->hide();
    ui.saveBtn->hide();
    ui.actionRefreshPorts->setEnabled(false);
    ui.actionChangeLanguage->setEnabled(false);
    ui.comPorts->setEnabled(false);

    ui.statusBar->showMessage(tr("Now initiate the download on the tester"));
    ui.statusBar->addPermanentWidget(progressBar, 0);
    progressBar->show();

    const QString portPath = selectedPortPath();
    serialDevice = new Ml::WinSerialDeviceAsync(this, portPath);

    serialDevice->setPortSettings(Ml::PortSettings::forTester());

    ui.outputTextEdit->clear();
    dataReceived = false;
    receivedData.clear();
    outputDecoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder());

    // A time-out below 1 ms would end every read at once and cut the download
    // after its first chunk, so it counts as unusable like a value that is no number.
    int readTimeout = defaultReadTimeout;
    {
        QSettings settings;
        bool isNumber = false;
        const int stored = settings.value(SettingsKeys::ReadTimeout).toInt(&isNumber);
        if (isNumber && stored >= 1)
            readTimeout = stored;
        else
            settings.setValue(SettingsKeys::ReadTimeout, defaultReadTimeout);
    }

    if (!serialDevice->open(QIODevice::ReadWrite, readTimeout)) {
        showConnectionFailure(openFailureReason(portPath));
        cancelDownload();
        return;
    }

    // Whatever the line brought before we ask (power-up noise, a half-sent
    // record) is not part of the download. NUL bytes mean the line is still
    // settling: wait until it has.
    QThread::msleep(500);
    QByteArray taken = serialDevice->readAll();
    for (int step = 0; step < maxNulDrainSteps && taken.startsWith('\0'); ++step) {
        QThread::msleep(nulDrainStepMs);
        taken = serialDevice->readAll();
    }

    connect(serialDevice, &Ml::WinSerialDeviceAsync::readyRead, this, &MainWindow::readyRead);
    connect(serialDevice, &Ml::WinSerialDeviceAsync::readTimeOut, this, &MainWindow::readTimeOut);
    connect(serialDevice, &Ml::WinSerialDeviceAsync::portFailed, this, &MainWindow::portLost);

    serialDevice->write(remoteCommand);
    serialDevice->write(allDataCommand);
}

void MainWindow::cancelDownload()
{
    if (!serialDevice)
        return;

    ui.downloadBtn->show();
    ui.cancelBtn->hide();
    ui.openBtn->setVisible(!receivedData.isEmpty());
    ui.saveBtn->setVisible(dataReceived);
    ui.actionRefreshPorts->setEnabled(true);
    ui.actionChangeLanguage->setEnabled(true);
    ui.comPorts->setEnabled(true);
    ui.statusBar->removeWidget(progressBar);

    releaseDevice();
}

void MainWindow::releaseDevice()
{
    // This may run inside one of the device's own signals: cut it off from the
    // window first, stop its worker and port, and delete it once that signal is done.
    Ml::WinSerialDeviceAsync *device = serialDevice;
    serialDevice = nullptr;
    disconnect(device, nullptr, this, nullptr);
    device->close();
    device->deleteLater();
}

void MainWindow::readyRead()
{
    if (!serialDevice)
        return;
    const QByteArray chunk = serialDevice->readAll();
    if (chunk.isEmpty())
        return;
    dataReceived = true;
    receivedData.append(chunk);

    // The view drops what a text box cannot show sensibly; the saved data keeps it.
    QString text = outputDecoder->toUnicode(chunk);
    text.remove(QChar(0));
    text.remove(QLatin1Char('\r'));
    if (!text.isEmpty()) {
        QTextCursor cursor = ui.outputTextEdit->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
        ui.outputTextEdit->setTextCursor(cursor);
        ui.outputTextEdit->ensureCursorVisible();
    }
    showBytesReceived();
}

void MainWindow::showBytesReceived()
{
    // Once data flows, the request to start the transfer on the tester has done its job:
    // the message beside the busy indicator counts the bytes instead, so a long download
    // visibly moves. It stays as the total when the session ends.
    ui.statusBar->showMessage(tr("Bytes received: %1",
                                 "The %1 will be replaced with the number of bytes received so "
                                 "far. Please do not remove it in your translation!")
                                  .arg(QLocale().toString(receivedData.size())));
}

void MainWindow::readTimeOut()
{
    if (!serialDevice)
        return;
    if (serialDevice->hasPortFailed()) {
        portLost();
        return;
    }
    // Silence before the first byte: the user has not started the transfer on
    // the tester yet. Silence after data: the tester has sent everything.
    if (!dataReceived)
        return;
    cancelDownload();
    QCoreApplication::processEvents();
    saveFile();
}

void MainWindow::portLost()
{
    if (!serialDevice)
        return;
    readyRead(); // what arrived before the line went
    if (!dataReceived) {
        cancelDownload();
        showConnectionFailure(tr("The connection to the device was lost before any data arrived."));
        return;
    }
    ui.statusBar->showMessage(
        tr("The connection to the device was lost. The data received so far is kept."));
    cancelDownload();
    QCoreApplication::processEvents();
    saveFile();
}

void MainWindow::showConnectionFailure(const QString &reason)
{
    QMessageBox box(this);
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("Failed to connect. Please check the device is connected and switched on"));
    box.setInformativeText(reason);
    box.exec();
}

QString MainWindow::openFailureReason(const QString &portPath) const
{
    if (portPath.isEmpty())
        return tr("No port is selected. Connect the adapter, then press Refresh Ports.");
    switch (serialDevice->portErrorKind()) {
    case Ml::PortErrorKind::InUse:
        return tr("The port is in use by another program. Close the other program and try again.");
    case Ml::PortErrorKind::PermissionDenied: {
        // Joining root's group is no advice to give.
        const QString group = serialDevice->portDeviceGroup();
        if (!group.isEmpty() && group != QLatin1String("root"))
            return tr("Permission denied. Add your user to the group \"%1\" that owns the port, "
                      "then log out and log in again.",
                      "The %1 will be replaced with the name of a user group, such as dialout. "
                      "Please do not remove it in your translation!")
                .arg(group);
        return tr("Permission denied. Your user account may not use this port.");
    }
    case Ml::PortErrorKind::NoSuchDevice:
        return tr(
            "No such device. Check that the adapter is plugged in, then press Refresh Ports.");
    default:
        break;
    }
    // The system's own sentence for the code (errno, GetLastError), in plain words; the
    // diagnostic line with the bare code when there is none.
    const quint32 code = serialDevice->portErrorCode();
    const QString reported =
        code != 0 ? qt_error_string(int(code)) : serialDevice->portErrorString();
    if (reported.isEmpty())
        return QString();
    return tr("The system reported: %1", "The %1 will be replaced with the error message of the "
                                         "operating system. Please do not remove it in your "
                                         "translation!")
        .arg(reported);
}

void MainWindow::saveFile()
{
    // The file is 7-bit text; receivedData keeps the bytes as they came, so Save
    // can be repeated with other choices.
    QByteArray data = receivedData;
    for (char &byte : data)
        byte = static_cast<char>(byte & 0x7F);

    const QString csvFilter = tr("Comma Separated Value files (*.csv)");
    const QString filters = QStringLiteral("%1;;%2;;%3")
                                .arg(csvFilter, tr("Text files (*.txt)"), tr("All files (*.*)"));
    const QString start = QSettings().value(SettingsKeys::LastSavedFilePath).toString();
    QString selectedFilter = csvFilter;
    lastSavedFile = QFileDialog::getSaveFileName(this, tr("Save downloaded data to file"), start,
                                                 filters, &selectedFilter);
    if (lastSavedFile.isEmpty())
        return;

    if (QFileInfo(lastSavedFile).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 &&
        localeUsesDecimalComma()) {
        const QVariant stored = QSettings().value(SettingsKeys::ConvertData);
        bool convert;
        if (stored.isNull()) {
            QMessageBox question(this);
            question.setIcon(QMessageBox::Question);
            question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            question.setText(tr("Would you like to convert the data to European format?"));
            question.setInformativeText(tr("Decimal points will be replaced by commas and the "
                                           "commas separating fields will be replaced by "
                                           "semi-colons."));
            convert = question.exec() == QMessageBox::Yes;
        } else {
            convert = stored.toBool();
        }
        // Semicolons first, so that the new decimal commas stay commas.
        if (convert) {
            data.replace(',', ';');
            data.replace('.', ',');
        }
        QSettings().setValue(SettingsKeys::ConvertData, convert);
    }

    // A file marked read-only is refused even where the system would let us
    // replace it (as an administrator may): the mark is the user's word.
    const QFileInfo target(lastSavedFile);
    const bool markedReadOnly =
        target.exists() &&
        !(target.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    // Written aside and renamed over the target at the end: a failed save
    // leaves an existing file as it was.
    QSaveFile file(lastSavedFile);
    if (markedReadOnly || !file.open(QIODevice::WriteOnly)) {
        QMessageBox box(this);
        box.setIcon(QMessageBox::Warning);
        box.setText(tr("Error opening \"%1\" for writing. Is it open already or read only?",
                       "The %1 will be replaced with the a file name. Please do not remove it in "
                       "your translation!")
                        .arg(lastSavedFile));
        box.exec();
        return;
    }
    // A write may take only part of the data (a file-size limit, a disk filling
    // up) without an error; the rest is written until the system says why not.
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 count = file.write(data.constData() + written, data.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    QString reason;
    if (written < data.size()) {
        reason = file.errorString();
        file.cancelWriting();
    }
    if (!file.commit()) {
        QMessageBox box(this);
        box.setIcon(QMessageBox::Warning);
        box.setText(tr("Error saving \"%1\": %2",
                       "The %1 will be replaced with a file name and the "
                       "%2 with the reason. Please do not remove them "
                       "in your translation!")
                        .arg(lastSavedFile, reason.isEmpty() ? file.errorString() : reason));
        box.exec();
        return;
    }
    ui.openBtn->show();
    ui.statusBar->showMessage(tr("File successfully saved"), 3000);
    QSettings().setValue(SettingsKeys::LastSavedFilePath, lastSavedFile);
}

void MainWindow::openFile()
{
    if (lastSavedFile.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(lastSavedFile));
}

void MainWindow::showAbout()
{
    const QString text = tr("Marlune DataLogger\n\n %1\n",
                            "The %1 is replaced with the version number so please don't remove it!")
                             .arg(QCoreApplication::applicationVersion());
    QMessageBox::about(this, tr("About Marlune DataLogger", "Title of the About box"), text);
}

void MainWindow::showHelp()
{
    const QString page =
        QStringLiteral("%1/Help/DravlinSolarDataLoggerHelp_%2.html")
            .arg(QFileInfo(InstallPaths::helpDirectory()).path(), QLocale().name().left(2));
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}
