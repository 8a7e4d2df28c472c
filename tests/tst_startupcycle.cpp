// Start-up as a user meets it: the language dialog, the warning when no translation loads, the
// window in the chosen language, a language change restarting the cycle in the same process;
// then Country Settings and what survives a new window. The system language here is French.
#include "TestSupport.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "common/InstallPaths.h"
#include "common/Settings.h"
#include "gui/DialogLanguage.h"
#include "gui/MainWindow.h"
#include "gui/PortList.h"
#include "translation/Translators.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Dialog = QStringLiteral("DialogLanguage");
const QString Box = QStringLiteral("QMessageBox");
const QString Window = QStringLiteral("MainWindow");

// Answers the language dialog: a language code to choose, or "cancel".
void answer(QWidget *dialog, const QString &code)
{
    auto *combo = dialog->findChild<QComboBox *>();
    combo->setCurrentIndex(combo->findData(code, Qt::UserRole + 1));
    const auto button = code == "cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok;
    dialog->findChild<QDialogButtonBox *>()->button(button)->click();
}

QStringList items(QWidget *dialog, int role)
{
    auto *combo = dialog->findChild<QComboBox *>();
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemData(i, role).toString();
    return shown;
}

QString downloadText(QWidget *window)
{
    return window->findChild<QPushButton *>("downloadBtn")->text();
}

void store(const QString &path)
{
    Settings::setValue(Settings::Key::LanguageFilePath, path);
    Settings::setValue(Settings::Key::LanguageCode, path.mid(path.size() - 5, 2));
}

// Puts files into dir: empty ones by name, the test translations as "de"/"fr", Qt's own as
// "qt_fr", and as "damaged_it" the German one with a damage QTranslator loads but cannot
// survive (a length pointing back into the record before; other damage: tst_translationcatalogue).
void populate(const QString &dir, const QStringList &files)
{
    QDir().mkpath(dir);
    for (const QString &file : files) {
        const QString code = file.right(2);
        const QString target = QStringLiteral("%1/DravlinDataLogger_%2.qm").arg(dir, code);
        if (file.endsWith(QLatin1String(".qm"))) {
            TestSupport::put(dir + '/' + file, QByteArray());
        } else if (file.startsWith(QLatin1String("qt_"))) {
            const QDir built(InstallPaths::translationsDirectory(),
                             QStringLiteral("qt*_%1.qm").arg(code));
            for (const QString &name : built.entryList())
                QFile::copy(built.filePath(name), dir + '/' + name);
        } else if (file.startsWith(QLatin1String("damaged_"))) {
            QByteArray qm = TestSupport::contents(
                QStringLiteral(ML_TEST_TRANSLATIONS_DIR "/DravlinDataLogger_de.qm"));
            const int text = qm.indexOf(QByteArray("\0H\0e\0r\0u\0n\0t\0e\0r", 16));
            qm.replace(text - 4, 4, QByteArray("\xff\xff\xff\xfa"));
            TestSupport::put(target, qm);
        } else {
            QFile::copy(
                QStringLiteral(ML_TEST_TRANSLATIONS_DIR "/DravlinDataLogger_%1.qm").arg(code),
                target);
        }
    }
}

} // namespace

class TestStartupCycle : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void dialogListing_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("stored"); // a file of the folder, or an absolute path
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("current");

        const QString de = "DravlinDataLogger_de.qm", fr = "DravlinDataLogger_fr.qm";
        QTest::newRow("the system language is preselected")
            << QStringList{fr, "DravlinDataLogger_en.qm", de} << QString()
            << QStringList{"German", "English", "French"} << fr;
        QTest::newRow("no system language: the first; mask and order ignore case")
            << QStringList{"DravlinDataLogger_nl.qm", "dravlindatalogger_es.qm", de, "qt_fr.qm",
                           "Other_fr.qm"}
            << QString() << QStringList{"German", "Spanish", "Dutch"} << de;
        QTest::newRow("two files of the system language: the later")
            << QStringList{fr, de, "DravlinDataLogger2_fr.qm"} << QString()
            << QStringList{"French", "German", "French"} << fr;
        QTest::newRow("the stored choice wins")
            << QStringList{de, fr} << de << QStringList{"German", "French"} << de;
        QTest::newRow("stored path listed nowhere: the first")
            << QStringList{de, fr} << "/elsewhere/" + fr << QStringList{"German", "French"} << de;
    }

    void dialogListing()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QStringList, texts);
        QFETCH(QString, current);

        QTemporaryDir temp;
        populate(temp.path(), files);
        if (!stored.isEmpty())
            store(stored.startsWith('/') ? stored : temp.filePath(stored));

        DialogLanguage dialog(temp.path());
        QCOMPARE(items(&dialog, Qt::DisplayRole), texts);
        QCOMPARE(dialog.filePath(), temp.filePath(current));
        QCOMPARE(dialog.iso639Code(), current.mid(18, 2));
    }

    void cycle_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("stored");       // a file of the folder, or an absolute path
        QTest::addColumn<QString>("dialogAnswer"); // language code to choose, or "cancel"
        QTest::addColumn<QStringList>("expectedSeen");
        QTest::addColumn<QString>("download"); // the window's Download button
        QTest::addColumn<QString>("storedAfter");

        const QString de = "DravlinDataLogger_de.qm", fr = "DravlinDataLogger_fr.qm";
        const QString it = "DravlinDataLogger_it.qm";
        QTest::newRow("first start, OK") << QStringList{"de", "fr"} << QString() << "fr"
                                         << QStringList{Dialog, Window} << "Télécharger" << fr;
        QTest::newRow("first start, cancel: warning, nothing stored")
            << QStringList{"de", "fr"} << QString() << "cancel" << QStringList{Dialog, Box, Window}
            << "Download" << QString();
        QTest::newRow("no translations: warning, no dialog")
            << QStringList{"qt_fr"} << QString() << QString() << QStringList{Box, Window}
            << "Download" << QString();
        QTest::newRow("stored choice loads")
            << QStringList{"de"} << de << QString() << QStringList{Window} << "Herunterladen" << de;
        QTest::newRow("stored file gone: asks again")
            << QStringList{"de"} << "/gone/" + fr << "de" << QStringList{Dialog, Window}
            << "Herunterladen" << de;
        QTest::newRow("stored file damaged inside: asks again")
            << QStringList{"de", "damaged_it"} << it << "de" << QStringList{Dialog, Window}
            << "Herunterladen" << de;
        QTest::newRow("chosen file damaged inside: warning, choice kept")
            << QStringList{"damaged_it"} << QString() << "it" << QStringList{Dialog, Box, Window}
            << "Download" << it;
        QTest::newRow("Qt's texts follow the language")
            << QStringList{"fr", "qt_fr"} << fr << QString() << QStringList{Window} << "Télécharger"
            << fr;
    }

    void cycle()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, dialogAnswer);
        QFETCH(QStringList, expectedSeen);
        QFETCH(QString, download);
        QFETCH(QString, storedAfter);

        QTemporaryDir temp;
        const QString dir = temp.filePath("Translations");
        populate(dir, files);
        auto inDir = [&](const QString &f) {
            return f.isEmpty() || f[0] == '/' ? f : dir + '/' + f;
        };
        if (!stored.isEmpty())
            store(inDir(stored));

        QString shownDownload, shownYes;
        UiDriver driver;
        driver.handlers[Dialog] = [&](QWidget *w) { answer(w, dialogAnswer); };
        driver.handlers[Window] = [&](QWidget *w) {
            shownDownload = downloadText(w);
            shownYes = QCoreApplication::translate("QPlatformTheme", "&Yes");
            w->close();
        };

        QVERIFY(!StartupCycle::run(dir));
        QVERIFY(!driver.timedOut);
        QCOMPARE(driver.seen, expectedSeen);
        QCOMPARE(shownDownload, download);
        // Qt's own texts follow the language when its catalogues are there.
        const bool qtFrench = download == "Télécharger" && files.contains("qt_fr");
        QCOMPARE(shownYes, QString(qtFrench ? "&Oui" : "&Yes"));
        QCOMPARE(TestSupport::stored(Settings::Key::LanguageFilePath).toString(),
                 inDir(storedAfter));
        // The cycle's translators leave with it.
        QCOMPARE(QCoreApplication::translate("MainWindow", "Download"), QStringLiteral("Download"));
    }

    void languageChangeRestarts()
    {
        // German from a folder of our own, started from a working directory without a
        // Translations folder, as a desktop launcher would.
        QTemporaryDir temp;
        populate(temp.path(), {"de"});
        store(temp.filePath("DravlinDataLogger_de.qm"));
        const QString oldCwd = QDir::currentPath();
        QDir::setCurrent(temp.path());

        const QRect placed(40, 50, 620, 430);
        QString firstDownload;
        QStringList listed;
        UiDriver driver;
        driver.handlers[Window] = [&](QWidget *w) {
            firstDownload = downloadText(w);
            w->setGeometry(placed);
            w->findChild<QAction *>("actionChangeLanguage")->trigger();
        };
        driver.handlers[Dialog] = [&](QWidget *w) {
            listed = items(w, Qt::UserRole);
            answer(w, "en");
        };
        driver.reply = QMessageBox::Yes;
        const bool restart = StartupCycle::run(temp.path());
        driver.stop();
        QDir::setCurrent(oldCwd);

        QVERIFY(!driver.timedOut);
        QVERIFY(restart);
        QCOMPARE(firstDownload, QStringLiteral("Herunterladen"));
        QCOMPARE(driver.boxes.size(), 1);
        // The dialog listed the folder beside the executable, whatever the working directory.
        QVERIFY(listed.size() >= 2);
        for (const QString &path : qAsConst(listed))
            QVERIFY2(path.startsWith(InstallPaths::translationsDirectory() + '/'),
                     qPrintable(path));

        // The next cycle, as main() runs it: English, in the same place.
        QString secondDownload;
        QRect secondGeometry;
        UiDriver again;
        again.handlers[Window] = [&](QWidget *w) {
            secondDownload = downloadText(w);
            secondGeometry = w->geometry();
            w->close();
        };
        QVERIFY(!StartupCycle::run(InstallPaths::translationsDirectory()));
        QCOMPARE(again.seen, QStringList{Window});
        QCOMPARE(secondDownload, QStringLiteral("Download"));
        QCOMPARE(secondGeometry, placed);
        QCOMPARE(QLocale().language(), QLocale::English);
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
            Settings::setValue(Settings::Key::ConvertData, stored);

        MainWindow window;
        // The menus, Help the last (the help pages say About is in the last menu).
        QStringList menus;
        for (const QAction *action : window.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"File", "Tools", "View", "Help"}));
        QStringList tools;
        for (const QAction *action : window.findChild<QMenu *>("menuTools")->actions())
            tools << (action->isVisible() ? action->text() : QString());
        QCOMPARE(tools.contains("Country Settings"), shown);
        QVERIFY(!tools.contains("Change Language..."));
        // Restoring the check mark does not write the setting back; a click does.
        QCOMPARE(TestSupport::stored(Settings::Key::ConvertData), stored);
        if (!shown)
            return;
        auto *convert = window.findChild<QAction *>("actionConvertCsvData");
        QCOMPARE(convert->isChecked(), stored.toBool());
        convert->trigger();
        QCOMPARE(TestSupport::stored(Settings::Key::ConvertData).toBool(), !stored.toBool());
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

        {
            MainWindow window;
            window.show();
            QVERIFY(!window.windowIcon().isNull()); // the embedded image bundle is there
            auto *ports = window.findChild<QComboBox *>("comPorts");
            ports->lineEdit()->selectAll();
            QTest::keyClicks(ports->lineEdit(), typed);
            if (pressEnter)
                QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
            QCOMPARE(PortList::selectedPath(ports), typed);
        }

        MainWindow again;
        again.show();
        auto *ports = again.findChild<QComboBox *>("comPorts");
        QCOMPARE(ports->findText(typed) >= 0, listedAgain);
        QCOMPARE(PortList::selectedPath(ports) == typed, listedAgain);
        // Refresh Ports comes back to the stored choice.
        ports->setCurrentIndex(-1);
        again.findChild<QAction *>("actionRefreshPorts")->trigger();
        QCOMPARE(PortList::selectedPath(ports) == typed, listedAgain);
    }
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestStartupCycle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupcycle.moc"
