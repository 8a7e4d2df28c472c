// Which languages the dialog offers, in which order, and which one it preselects.
// The system language of this test is French (LC_ALL is set before Qt starts).
#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "language/DialogLanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestDialogLanguage : public QObject
{
    Q_OBJECT

private slots:
    void listing_data();
    void listing();
};

void TestDialogLanguage::listing_data()
{
    QTest::addColumn<QStringList>("files"); // names ending in "/" are folders
    QTest::addColumn<QString>("stored");    // stored file path: a name in the folder, or absolute
    QTest::addColumn<QStringList>("expectedTexts");
    QTest::addColumn<QString>("expectedCurrent"); // file name of the preselected item

    const QString de = QStringLiteral("DravlinDataLogger_de.qm");
    const QString en = QStringLiteral("DravlinDataLogger_en.qm");
    const QString fr = QStringLiteral("DravlinDataLogger_fr.qm");
    const QString nl = QStringLiteral("DravlinDataLogger_nl.qm");

    QTest::newRow("the system language is preselected")
        << QStringList{fr, en, de} << QString() << QStringList{"German", "English", "French"} << fr;
    QTest::newRow("without the system language the first is current")
        << QStringList{nl, en, de} << QString() << QStringList{"German", "English", "Dutch"} << de;
    QTest::newRow("mask and order ignore case; other files and folders are left out")
        << QStringList{nl,
                       "dravlindatalogger_es.qm",
                       de,
                       "qt_fr.qm",
                       "DravlinDataLogger_fr.ts",
                       "Other_fr.qm",
                       "DravlinDataLogger_fr.qm/"}
        << QString() << QStringList{"German", "Spanish", "Dutch"} << de;
    QTest::newRow("two files of the system language: the later one")
        << QStringList{fr, de, "DravlinDataLogger2_fr.qm"} << QString()
        << QStringList{"French", "German", "French"} << fr;
    QTest::newRow("a stored choice wins over the system language")
        << QStringList{de, fr} << de << QStringList{"German", "French"} << de;
    QTest::newRow("a stored path listed nowhere: the first item, not the system language")
        << QStringList{de, fr} << "/elsewhere/Translations/" + fr << QStringList{"German", "French"}
        << de;
    QTest::newRow("an unknown code is still listed")
        << QStringList{"DravlinDataLogger_zz.qm"} << QString() << QStringList{"C"}
        << "DravlinDataLogger_zz.qm";
    QTest::newRow("empty folder") << QStringList() << QString() << QStringList() << QString();
}

void TestDialogLanguage::listing()
{
    QFETCH(QStringList, files);
    QFETCH(QString, stored);
    QFETCH(QStringList, expectedTexts);
    QFETCH(QString, expectedCurrent);

    QTemporaryDir temp;
    const QString dir = temp.path();
    for (const QString &name : qAsConst(files)) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(dir).mkdir(name));
        } else {
            QFile file(dir + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    QSettings().clear();
    if (!stored.isEmpty()) {
        const QString path = stored.startsWith(QLatin1Char('/')) ? stored : dir + '/' + stored;
        QSettings().setValue(SettingsKeys::languageFilePathKey(), path);
    }

    DialogLanguage dialog(dir);
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("languageCombo"));
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    QCOMPARE(texts, expectedTexts);
    QCOMPARE(dialog.hasLanguages(), !expectedTexts.isEmpty());

    const QString expectedPath =
        expectedCurrent.isEmpty() ? QString() : dir + '/' + expectedCurrent;
    QCOMPARE(dialog.filePath(), expectedPath);
    QCOMPARE(dialog.iso639Code(),
             expectedCurrent.isEmpty() ? QString() : expectedCurrent.mid(18, 2));
}

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestDialogLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialoglanguage.moc"
