#ifndef MARLUNE_MAINWINDOW_H
#define MARLUNE_MAINWINDOW_H

#include "ui_MainWindow.h"

#include <QMainWindow>

class QProgressBar;

// The program's only window: the port list, the downloaded output and the menus.
// One window lives per start-up cycle; it restores its settings when built and
// saves them when destroyed.
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
    void convertDataToggled(bool checked);

private:
    Ui::MainWindow ui;
    QProgressBar *progressBar = nullptr;
};

#endif
