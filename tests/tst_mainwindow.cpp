// The main window on its own: what a first start shows, when Country Settings
// appear, and what survives closing the window and opening a new one.
#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

QStringList visibleEntries(const QMenu *menu)
{
    QStringList entries;
    const auto actions = menu->actions();
    for (const QAction *action : actions) {
        if (action->isVisible())
            entries << action->text();
    }
    return entries;
}

// A pseudo-terminal whose device path (/dev/pts/N) exists while it is open.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd >= 0 && grantpt(fd) == 0 && unlockpt(fd) == 0)
            path = QString::fromLocal8Bit(ptsname(fd));
    }
    ~PseudoTerminal()
    {
        if (fd >= 0)
            ::close(fd);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    int fd = -1;
    QString path;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStart();
    void countrySettings_data();
    void countrySettings();
    void settingsSurviveANewWindow();
    void typedPortPath_data();
    void typedPortPath();
};

void TestMainWindow::init()
{
    QSettings().clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestMainWindow::firstStart()
{
    MainWindow window;
    window.show();
    QCOMPARE(window.size(), QSize(451, 367));
    QCOMPARE(window.findChild<QStatusBar *>()->currentMessage(),
             QStringLiteral("Please select a port and connect your device"));
    for (const char *hidden : {"cancelBtn", "openBtn", "saveBtn"})
        QVERIFY2(!window.findChild<QPushButton *>(hidden)->isVisible(), hidden);
    QVERIFY(window.findChild<QPushButton *>("downloadBtn")->isVisible());
    QCOMPARE(visibleEntries(window.findChild<QMenu *>("menuTools")), QStringList{"Refresh Ports"});
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.restartRequested);
}

void TestMainWindow::countrySettings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariant>("stored"); // "ConvertData", null when absent
    QTest::addColumn<bool>("shown");

    QTest::newRow("decimal point, answered yes") << "en_GB" << QVariant(true) << false;
    QTest::newRow("decimal comma, not yet answered") << "de_DE" << QVariant() << false;
    QTest::newRow("decimal comma, answered yes") << "de_DE" << QVariant(true) << true;
    QTest::newRow("decimal comma, answered no") << "nl_NL" << QVariant(false) << true;
}

void TestMainWindow::countrySettings()
{
    QFETCH(QString, locale);
    QFETCH(QVariant, stored);
    QFETCH(bool, shown);

    QLocale::setDefault(QLocale(locale));
    if (!stored.isNull())
        QSettings().setValue(SettingsKeys::ConvertData, stored);

    MainWindow window;
    auto *tools = window.findChild<QMenu *>("menuTools");
    auto *convert = window.findChild<QAction *>("actionConvertCsvData");
    QCOMPARE(visibleEntries(tools).contains(QStringLiteral("Country Settings")), shown);
    QVERIFY(!visibleEntries(tools).contains(QStringLiteral("Change Language...")));
    // Restoring the check mark does not write the setting back.
    QCOMPARE(QSettings().value(SettingsKeys::ConvertData), stored);
    if (!shown)
        return;
    QCOMPARE(convert->isChecked(), stored.toBool());
    convert->trigger();
    QCOMPARE(QSettings().value(SettingsKeys::ConvertData).toBool(), !stored.toBool());
}

void TestMainWindow::settingsSurviveANewWindow()
{
    const QRect placed(30, 60, 640, 480);
    QString portText;
    {
        MainWindow window;
        window.show();
        window.setGeometry(placed);
        portText = window.findChild<QComboBox *>("comPorts")->currentText();
    }
    QCOMPARE(QSettings().value(SettingsKeys::PortName).toString(), portText);

    MainWindow again;
    again.show();
    QCOMPARE(again.geometry(), placed);
    QCOMPARE(again.findChild<QComboBox *>("comPorts")->currentText(), portText);
}

void TestMainWindow::typedPortPath_data()
{
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<bool>("deviceGoneAtNextStart");

    QTest::newRow("typed and entered") << true << false;
    QTest::newRow("typed, not entered") << false << false;
    QTest::newRow("device gone at the next start") << true << true;
}

void TestMainWindow::typedPortPath()
{
    QFETCH(bool, pressEnter);
    QFETCH(bool, deviceGoneAtNextStart);

    PseudoTerminal pty;
    QVERIFY(!pty.path.isEmpty());
    const QString path = pty.path;
    {
        MainWindow window;
        window.show();
        auto *ports = window.findChild<QComboBox *>("comPorts");
        QVERIFY(ports->isEditable());
        ports->lineEdit()->selectAll();
        QTest::keyClicks(ports->lineEdit(), path);
        if (pressEnter) {
            QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
            QCOMPARE(ports->currentData().toString(), path);
        }
        QCOMPARE(window.selectedPortPath(), path);
    }
    QCOMPARE(QSettings().value(SettingsKeys::PortName).toString(), path);
    const QString gone = QStringLiteral("/dev/ml-test-no-such-device");
    if (deviceGoneAtNextStart)
        QSettings().setValue(SettingsKeys::PortName, gone);

    MainWindow again;
    auto *ports = again.findChild<QComboBox *>("comPorts");
    if (deviceGoneAtNextStart) {
        QCOMPARE(ports->findText(gone), -1);
        QVERIFY(again.selectedPortPath() != gone);
        return;
    }
    const int listed = ports->findText(path);
    QCOMPARE(ports->currentIndex(), listed);
    QCOMPARE(ports->currentData().toString(), path);
    QCOMPARE(again.selectedPortPath(), path);
    // Refresh Ports keeps it, as the stored choice.
    again.findChild<QAction *>("actionRefreshPorts")->trigger();
    QCOMPARE(again.selectedPortPath(), path);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
