// The start-up cycle as a user meets it: the language dialog on first start,
// the warning when no translation loads, the window in the chosen language,
// and a language change that restarts the cycle inside the same process.
#include "UiDriver.h"

#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "language/DialogLanguage.h"
#include "language/Translators.h"
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What one cycle showed, filled in by the handlers.
struct Observed
{
    QString warningText;
    QString downloadText;
    QString qtYesText;
    QStringList dialogPaths;
    QRect geometry;
};

void chooseLanguage(QWidget *widget, const QString &code)
{
    auto *combo = widget->findChild<QComboBox *>(QStringLiteral("languageCombo"));
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemData(i, Qt::UserRole + 1).toString() == code)
            combo->setCurrentIndex(i);
    }
    widget->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

void cancelDialog(QWidget *widget)
{
    widget->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
}

QStringList listedPaths(QWidget *dialog)
{
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("languageCombo"));
    QStringList paths;
    for (int i = 0; i < combo->count(); ++i)
        paths << combo->itemData(i).toString();
    return paths;
}

void recordWindow(QWidget *window, Observed &seen)
{
    seen.downloadText = window->findChild<QPushButton *>(QStringLiteral("downloadBtn"))->text();
    seen.qtYesText = QCoreApplication::translate("QPlatformTheme", "&Yes");
    seen.geometry = window->geometry();
}

QString storedPath()
{
    return QSettings().value(SettingsKeys::languageFilePathKey()).toString();
}

} // namespace

class TestStartupCycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cycle_data();
    void cycle();
    void languageChangeRestarts_data();
    void languageChangeRestarts();

private:
    // Fills dir with the named files: test translations by code ("de", "fr"),
    // Qt's own ("qt_fr"), and broken ones ("garbage_it", "truncated_it").
    void populate(const QString &dir, const QStringList &files);
};

void TestStartupCycle::init()
{
    QSettings().clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestStartupCycle::populate(const QString &dir, const QStringList &files)
{
    QDir().mkpath(dir);
    const QString testQm = QStringLiteral(ML_TEST_TRANSLATIONS_DIR);
    for (const QString &file : files) {
        const QString code = file.right(2);
        const QString target = QStringLiteral("%1/DravlinDataLogger_%2.qm").arg(dir, code);
        if (file.startsWith(QLatin1String("qt_"))) {
            // Qt's catalogue with the catalogues it names, as the build lays them out.
            const QDir built(translationsDirectory(), QStringLiteral("qt*_%1.qm").arg(code));
            QVERIFY(built.count() >= 2);
            for (const QString &name : built.entryList())
                QVERIFY(QFile::copy(built.filePath(name), dir + QLatin1Char('/') + name));
        } else if (file.startsWith(QLatin1String("garbage_"))) {
            QFile out(target);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(QByteArray(300, '\xff'));
        } else if (file.startsWith(QLatin1String("truncated_"))) {
            QFile in(testQm + QStringLiteral("/DravlinDataLogger_de.qm"));
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray bytes = in.readAll();
            QFile out(target);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes.left(bytes.size() / 2));
        } else {
            QVERIFY(QFile::copy(QStringLiteral("%1/DravlinDataLogger_%2.qm").arg(testQm, code),
                                target));
        }
    }
}

void TestStartupCycle::cycle_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("stored");       // file name in the folder, or a missing path
    QTest::addColumn<QString>("dialogAnswer"); // language code to choose, or "cancel"
    QTest::addColumn<QStringList>("expectedSeen");
    QTest::addColumn<QString>("expectedDownload");
    QTest::addColumn<QString>("expectedStored");
    QTest::addColumn<QString>("expectedQtYes");

    const QString dialog = QStringLiteral("DialogLanguage");
    const QString box = QStringLiteral("QMessageBox");
    const QString window = QStringLiteral("MainWindow");
    const QString de = QStringLiteral("DravlinDataLogger_de.qm");
    const QString fr = QStringLiteral("DravlinDataLogger_fr.qm");
    const QString it = QStringLiteral("DravlinDataLogger_it.qm");
    const QString yes = QStringLiteral("&Yes");

    QTest::newRow("first start, OK: window in the chosen language")
        << QStringList{"de", "fr"} << QString() << "fr" << QStringList{dialog, window}
        << "Télécharger" << fr << yes;
    QTest::newRow("first start, cancel: warning, English, nothing stored")
        << QStringList{"de", "fr"} << QString() << "cancel" << QStringList{dialog, box, window}
        << "Download" << QString() << yes;
    QTest::newRow("no translations folder: warning without a dialog")
        << QStringList() << QString() << QString() << QStringList{box, window} << "Download"
        << QString() << yes;
    QTest::newRow("no file matches: warning without a dialog")
        << QStringList{"qt_fr"} << QString() << QString() << QStringList{box, window} << "Download"
        << QString() << yes;
    QTest::newRow("stored choice loads: no dialog")
        << QStringList{"de", "fr"} << de << QString() << QStringList{window} << "Herunterladen"
        << de << yes;
    QTest::newRow("stored file gone: the dialog asks again")
        << QStringList{"de"} << "/nonexistent/DravlinDataLogger_fr.qm"
        << "de" << QStringList{dialog, window} << "Herunterladen" << de << yes;
    QTest::newRow("stored file corrupt: the dialog asks again")
        << QStringList{"de", "garbage_it"} << it << "de" << QStringList{dialog, window}
        << "Herunterladen" << de << yes;
    QTest::newRow("chosen file corrupt: warning, choice kept for next start")
        << QStringList{"garbage_it"} << QString() << "it" << QStringList{dialog, box, window}
        << "Download" << it << yes;
    QTest::newRow("chosen file truncated: warning")
        << QStringList{"truncated_it"} << QString() << "it" << QStringList{dialog, box, window}
        << "Download" << it << yes;
    QTest::newRow("Qt's own texts follow the stored language")
        << QStringList{"fr", "qt_fr"} << fr << QString() << QStringList{window} << "Télécharger"
        << fr << "&Oui";
}

void TestStartupCycle::cycle()
{
    QFETCH(QStringList, files);
    QFETCH(QString, stored);
    QFETCH(QString, dialogAnswer);
    QFETCH(QStringList, expectedSeen);
    QFETCH(QString, expectedDownload);
    QFETCH(QString, expectedStored);
    QFETCH(QString, expectedQtYes);

    QTemporaryDir temp;
    const QString dir = temp.path() + QStringLiteral("/Translations");
    if (!files.isEmpty())
        populate(dir, files);
    auto inDir = [&dir](const QString &name) {
        return name.isEmpty() || name.startsWith(QLatin1Char('/')) ? name
                                                                   : dir + QLatin1Char('/') + name;
    };
    if (!stored.isEmpty()) {
        QSettings settings;
        settings.setValue(SettingsKeys::languageFilePathKey(), inDir(stored));
        settings.setValue(SettingsKeys::languageCodeKey(), stored.mid(stored.size() - 5, 2));
    }

    Observed seen;
    UiDriver driver;
    driver.on(QStringLiteral("DialogLanguage"), [&](QWidget *w) {
        if (dialogAnswer == QLatin1String("cancel"))
            cancelDialog(w);
        else
            chooseLanguage(w, dialogAnswer);
    });
    driver.on(QStringLiteral("QMessageBox"), [&](QWidget *w) {
        seen.warningText = static_cast<QMessageBox *>(w)->text();
        static_cast<QMessageBox *>(w)->accept();
    });
    driver.on(QStringLiteral("MainWindow"), [&](QWidget *w) {
        recordWindow(w, seen);
        w->close();
    });

    QVERIFY(!StartupCycle::run(dir));
    QVERIFY(!driver.timedOut);
    QCOMPARE(driver.seen, expectedSeen);
    if (expectedSeen.contains(QStringLiteral("QMessageBox")))
        QCOMPARE(seen.warningText,
                 QStringLiteral("Failed to load translations, defaulting to English."));
    QCOMPARE(seen.downloadText, expectedDownload);
    QCOMPARE(storedPath(), inDir(expectedStored));
    QCOMPARE(seen.qtYesText, expectedQtYes);
    // The cycle's translators leave with it.
    QCOMPARE(QCoreApplication::translate("MainWindow", "Download"), QStringLiteral("Download"));
}

void TestStartupCycle::languageChangeRestarts_data()
{
    QTest::addColumn<bool>("restartNow");
    QTest::newRow("restart now") << true;
    QTest::newRow("restart later") << false;
}

void TestStartupCycle::languageChangeRestarts()
{
    QFETCH(bool, restartNow);

    // Start in German from a folder of our own...
    QTemporaryDir temp;
    const QString startDir = temp.path() + QStringLiteral("/Translations");
    populate(startDir, {"de"});
    const QString german = startDir + QStringLiteral("/DravlinDataLogger_de.qm");
    {
        QSettings settings;
        settings.setValue(SettingsKeys::languageFilePathKey(), german);
        settings.setValue(SettingsKeys::languageCodeKey(), QStringLiteral("de"));
    }
    // ...from a working directory that has no Translations folder, as when a
    // desktop launcher starts the program.
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(temp.path() + QStringLiteral("/.."));

    const QRect placed(40, 50, 620, 430);
    Observed first;
    QString question;
    UiDriver driver;
    driver.on(QStringLiteral("MainWindow"), [&](QWidget *w) {
        recordWindow(w, first);
        w->setGeometry(placed);
        w->findChild<QAction *>(QStringLiteral("actionChangeLanguage"))->trigger();
    });
    driver.on(QStringLiteral("DialogLanguage"), [&](QWidget *w) {
        first.dialogPaths = listedPaths(w);
        chooseLanguage(w, QStringLiteral("en"));
    });
    QString afterDecline;
    driver.on(QStringLiteral("QMessageBox"), [&](QWidget *w) {
        auto *box = static_cast<QMessageBox *>(w);
        question = box->text();
        box->button(restartNow ? QMessageBox::Yes : QMessageBox::No)->click();
        if (restartNow)
            return;
        // Declined: the window stays open, still in German, until the user closes it.
        QTimer::singleShot(0, [&afterDecline] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *window = qobject_cast<MainWindow *>(top);
                if (window && window->isVisible()) {
                    afterDecline = window->findChild<QPushButton *>("downloadBtn")->text();
                    window->close();
                }
            }
        });
    });

    const bool restart = StartupCycle::run(startDir);
    driver.stop();
    QDir::setCurrent(oldCwd);
    QVERIFY(!driver.timedOut);
    QCOMPARE(first.downloadText, QStringLiteral("Herunterladen"));
    QCOMPARE(
        question,
        QStringLiteral("The language will be changed next time Marlune DataLogger is started."));
    // The dialog lists the folder beside the executable, whatever the working directory.
    QVERIFY(!first.dialogPaths.isEmpty());
    for (const QString &path : qAsConst(first.dialogPaths))
        QVERIFY2(path.startsWith(translationsDirectory() + QLatin1Char('/')), qPrintable(path));
    const QString english = translationsDirectory() + QStringLiteral("/DravlinDataLogger_en.qm");
    QCOMPARE(storedPath(), english);
    QCOMPARE(QSettings().value(SettingsKeys::languageCodeKey()).toString(), QStringLiteral("en"));
    QCOMPARE(restart, restartNow);

    if (!restartNow) {
        QCOMPARE(afterDecline, QStringLiteral("Herunterladen"));
        return;
    }

    // The next cycle, as main() runs it: English, same place and size.
    Observed second;
    UiDriver again;
    again.on(QStringLiteral("MainWindow"), [&](QWidget *w) {
        recordWindow(w, second);
        w->close();
    });
    QVERIFY(!StartupCycle::run(translationsDirectory()));
    QVERIFY(!again.timedOut);
    QCOMPARE(again.seen, QStringList{QStringLiteral("MainWindow")});
    QCOMPARE(second.downloadText, QStringLiteral("Download"));
    QCOMPARE(second.geometry, placed);
    QCOMPARE(QLocale().language(), QLocale::English);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestStartupCycle test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupcycle.moc"
