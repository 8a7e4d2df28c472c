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

    void cycle_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("stored");       // a file of the folder, or an absolute path
        QTest::addColumn<QString>("dialogAnswer"); // language code to choose, or "cancel"
        QTest::addColumn<QStringList>("expectedSeen");
        QTest::addColumn<QString>("download"); // the window's Download button
        QTest::addColumn<QString>("storedAfter");
        // The dialog's languages and the file preselected; not checked when empty.
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("preselected");

        // Files and languages listed apart by spaces; what was seen: D the dialog, B a box, W
        // the window.
        const auto row = [](const char *name, const QString &files, const QString &stored,
                            const QString &answer, const QString &seen, const QString &download,
                            const QString &storedAfter, const QString &listed = {},
                            const QString &preselected = {}) {
            QStringList shown;
            for (const QChar &what : seen)
                shown << (what == 'D' ? Dialog : what == 'B' ? Box : Window);
            QTest::newRow(name) << files.split(' ') << stored << answer << shown << download
                                << storedAfter << listed.split(' ', Qt::SkipEmptyParts)
                                << preselected;
        };
        const QString de = "DravlinDataLogger_de.qm", fr = "DravlinDataLogger_fr.qm";
        const QString it = "DravlinDataLogger_it.qm";
        row("first start, OK: the system language preselected", "de fr", {}, "fr", "DW",
            "Télécharger", fr, "German French", fr);
        row("no translations: warning, no dialog", "qt_fr", {}, {}, "BW", "Download", {});
        row("stored choice loads", "de", de, {}, "W", "Herunterladen", de);
        row("stored file gone: asks again", "de", "/gone/" + fr, "de", "DW", "Herunterladen", de,
            "German", de);
        row("stored file damaged inside: asks again, the stored choice preselected",
            "de damaged_it", it, "de", "DW", "Herunterladen", de, "German Italian", it);
        row("chosen file damaged inside: warning, choice kept", "damaged_it", {}, "it", "DBW",
            "Download", it, "Italian", it);
        row("Qt's texts follow the language", "fr qt_fr", fr, {}, "W", "Télécharger", fr);
        // The listing rows cancel the dialog: a warning, nothing loaded or stored. Empty files
        // load nothing; here the German and French ones are real.
        row("listing: the system language preselected, sorted by name",
            "fr DravlinDataLogger_en.qm de", {}, "cancel", "DBW", "Download", {},
            "German English French", fr);
        row("listing: no system language: the first; mask and order ignore case",
            "DravlinDataLogger_nl.qm dravlindatalogger_es.qm " + de + " qt_fr.qm Other_fr.qm", {},
            "cancel", "DBW", "Download", {}, "German Spanish Dutch", de);
        row("listing: two files of the system language: the later",
            fr + ' ' + de + " DravlinDataLogger2_fr.qm", {}, "cancel", "DBW", "Download", {},
            "French German French", fr);
        row("listing: stored path listed nowhere: the first", de + ' ' + fr, "/elsewhere/" + fr,
            "cancel", "DBW", "Download", "/elsewhere/" + fr, "German French", de);
    }

    void cycle()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, dialogAnswer);
        QFETCH(QStringList, expectedSeen);
        QFETCH(QString, download);
        QFETCH(QString, storedAfter);
        QFETCH(QStringList, listed);
        QFETCH(QString, preselected);

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
        QStringList shownListing;
        QString shownPreselected, shownCode;
        driver.handlers[Dialog] = [&](QWidget *w) {
            shownListing = items(w, Qt::DisplayRole);
            shownPreselected = static_cast<DialogLanguage *>(w)->filePath();
            shownCode = static_cast<DialogLanguage *>(w)->iso639Code();
            answer(w, dialogAnswer);
        };
        driver.handlers[Window] = [&](QWidget *w) {
            shownDownload = w->findChild<QPushButton *>("downloadBtn")->text();
            shownYes = QCoreApplication::translate("QPlatformTheme", "&Yes");
            w->close();
        };

        QVERIFY(!StartupCycle::run(dir));
        QVERIFY(!driver.timedOut);
        QCOMPARE(driver.seen, expectedSeen);
        QCOMPARE(shownDownload, download);
        if (!listed.isEmpty()) {
            QCOMPARE(shownListing, listed);
            QCOMPARE(shownPreselected, inDir(preselected));
            QCOMPARE(shownCode, preselected.mid(18, 2));
        }
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
            firstDownload = w->findChild<QPushButton *>("downloadBtn")->text();
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
            secondDownload = w->findChild<QPushButton *>("downloadBtn")->text();
            secondGeometry = w->geometry();
            w->close();
        };
        QVERIFY(!StartupCycle::run(InstallPaths::translationsDirectory()));
        QCOMPARE(again.seen, QStringList{Window});
        QCOMPARE(secondDownload, QStringLiteral("Download"));
        QCOMPARE(secondGeometry, placed);
        QCOMPARE(QLocale().language(), QLocale::English);
    }

    void windowSettings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored"); // "ConvertData", null when absent
        QTest::addColumn<bool>("shown");      // Country Settings
        QTest::addColumn<QString>("typed");   // a device path typed into the port box
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<bool>("listedAgain"); // in a new window

        const QString null = "/dev/null";
        QTest::newRow("decimal point, answered; port typed and entered")
            << "en_GB" << QVariant(true) << false << null << true << true;
        QTest::newRow("decimal comma, not answered; port typed, not entered")
            << "de_DE" << QVariant() << false << null << false << true;
        QTest::newRow("decimal comma, answered yes; no such device")
            << "de_DE" << QVariant(true) << true << "/dev/ml-no-such-device" << true << false;
        QTest::newRow("decimal comma, answered no")
            << "nl_NL" << QVariant(false) << true << null << true << true;
    }

    // The menus and Country Settings, and what survives a new window.
    void windowSettings()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(bool, shown);
        QFETCH(QString, typed);
        QFETCH(bool, pressEnter);
        QFETCH(bool, listedAgain);

        QLocale::setDefault(QLocale(locale));
        if (!stored.isNull())
            Settings::setValue(Settings::Key::ConvertData, stored);
        {
            MainWindow window;
            window.show();
            QVERIFY(!window.windowIcon().isNull()); // the embedded image bundle is there
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
            auto *convert = window.findChild<QAction *>("actionConvertCsvData");
            if (shown) {
                QCOMPARE(convert->isChecked(), stored.toBool());
                convert->trigger();
                QCOMPARE(TestSupport::stored(Settings::Key::ConvertData).toBool(),
                         !stored.toBool());
            }
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
