#ifndef MARLUNE_MAINWINDOW_H
#define MARLUNE_MAINWINDOW_H

#include "ui_MainWindow.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

#include <memory>

class QProgressBar;
class QTextDecoder;

namespace Ml {
class WinSerialDeviceAsync;
}

// The program's only window: the port list, the downloaded output and the menus.
// One window lives per start-up cycle; it restores its settings when built and
// saves them when destroyed.
//
// A download session runs from a click on Download until the controls are idle
// again: the window opens the chosen port, asks the tester for its stored
// results, shows the text as it arrives and keeps every byte. The first silence
// of the line after data ends the session and offers the data for saving.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~MainWindow() override;

    // The device path of the chosen port: the current item's path, or on Linux
    // a path typed into the port box.
    QString selectedPortPath() const;

    // Whether the default locale writes decimals with a comma (0.5 as "0,5").
    static bool localeUsesDecimalComma();

    // Set just before the window closes to have the start-up cycle run again.
    bool restartRequested = false;

private slots:
    void changeLanguage();
    void refreshPorts();
    void download();
    void cancelDownload();
    void readyRead();
    void readTimeOut();
    void openFile();
    void saveFile();
    void showAbout();
    void showHelp();
    void convertDataToggled(bool checked);

private:
    // The port stopped working during the session (adapter pulled out, far end hung up).
    void portLost();
    // The Warning box of a session that could not start or ended before any data.
    void showConnectionFailure(const QString &reason);
    // Why the open of serialDevice failed, in words the user can act on.
    QString openFailureReason(const QString &portPath) const;
    // Stops the session's device and lets it go; no signal of it reaches the window afterwards.
    void releaseDevice();
    void showBytesReceived();

    Ui::MainWindow ui;
    Ml::WinSerialDeviceAsync *serialDevice = nullptr;
    bool dataReceived = false;
    QByteArray receivedData;
    QProgressBar *progressBar = nullptr;
    QString lastSavedFile;
    // Decodes the session's stream as one text, so that a character split
    // between two chunks still shows whole.
    std::unique_ptr<QTextDecoder> outputDecoder;
};

#endif
