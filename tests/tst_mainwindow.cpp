// The main window on its own: when Country Settings appear, and what survives
// closing the window and opening a new one.
#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

namespace {
QStringList visibleEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            entries << action->text();
    }
    return entries;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void countrySettings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored"); // "ConvertData", null when absent
        QTest::addColumn<bool>("shown");

        QTest::newRow("decimal point, answered") << "en_GB" << QVariant(true) << false;
        QTest::newRow("decimal comma, not answered") << "de_DE" << QVariant() << false;
        QTest::newRow("decimal comma, answered yes") << "de_DE" << QVariant(true) << true;
        QTest::newRow("decimal comma, answered no") << "nl_NL" << QVariant(false) << true;
    }

    void countrySettings()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(bool, shown);

        QLocale::setDefault(QLocale(locale));
        if (!stored.isNull())
            QSettings().setValue(SettingsKeys::ConvertData, stored);

        MainWindow window;
        const QStringList tools = visibleEntries(window.findChild<QMenu *>("menuTools"));
        QCOMPARE(tools.contains("Country Settings"), shown);
        QVERIFY(!tools.contains("Change Language..."));
        // Restoring the check mark does not write the setting back; a click does.
        QCOMPARE(QSettings().value(SettingsKeys::ConvertData), stored);
        if (!shown)
            return;
        auto *convert = window.findChild<QAction *>("actionConvertCsvData");
        QCOMPARE(convert->isChecked(), stored.toBool());
        convert->trigger();
        QCOMPARE(QSettings().value(SettingsKeys::ConvertData).toBool(), !stored.toBool());
    }

    void settingsSurviveANewWindow_data()
    {
        QTest::addColumn<QString>("typed"); // a device path typed into the port box
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<bool>("listedAgain");

        QTest::newRow("typed and entered") << "/dev/null" << true << true;
        QTest::newRow("typed, not entered") << "/dev/null" << false << true;
        QTest::newRow("no such device") << "/dev/ml-no-such-device" << true << false;
    }

    void settingsSurviveANewWindow()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pressEnter);
        QFETCH(bool, listedAgain);

        const QRect placed(30, 60, 640, 480);
        {
            MainWindow window;
            window.show();
            QVERIFY(!window.windowIcon().isNull()); // the embedded image bundle is there
            window.setGeometry(placed);
            auto *ports = window.findChild<QComboBox *>("comPorts");
            QVERIFY(ports->isEditable());
            ports->lineEdit()->selectAll();
            QTest::keyClicks(ports->lineEdit(), typed);
            if (pressEnter)
                QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
            QCOMPARE(window.selectedPortPath(), typed);
        }

        MainWindow again;
        again.show();
        QCOMPARE(again.geometry(), placed);
        auto *ports = again.findChild<QComboBox *>("comPorts");
        QCOMPARE(ports->findText(typed) >= 0, listedAgain);
        QCOMPARE(again.selectedPortPath() == typed, listedAgain);
        // Refresh Ports comes back to the stored choice.
        ports->setCurrentIndex(-1);
        again.findChild<QAction *>("actionRefreshPorts")->trigger();
        QCOMPARE(again.selectedPortPath() == typed, listedAgain);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
