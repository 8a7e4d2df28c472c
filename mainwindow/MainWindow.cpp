#include "mainwindow/MainWindow.h"

#include "app/SettingsKeys.h"
#include "language/DialogLanguage.h"
#include "language/Translators.h"
#include "serial/ComPortDiscovery.h"

#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QSettings>
#include <QStandardItemModel>

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
    connect(ui.actionConvertCsvData, &QAction::toggled, this, &MainWindow::convertDataToggled);

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
