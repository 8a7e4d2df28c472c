// common/: where an installed program finds its data folders (a copy of this test, run as a
// child from a temporary <prefix>/bin, reports what it found), and the settings table's rule
// for a stored whole number.
#include "TestSupport.h"
#include "common/InstallPaths.h"
#include "common/Settings.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace TestSupport;

namespace {

const QString share = "share/marlune-datalogger/", page = "Help/DravlinSolarDataLoggerHelp_%1.html";

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void foundFromTheExecutable_data()
    {
        QTest::addColumn<QStringList>("homes"); // where the data folders are
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");         // relative to the prefix; empty: none
        QTest::addColumn<QString>("translations"); // relative to the prefix
        const QString catalogues = InstallPaths::translationsFolderName(), de = "de";
        QTest::newRow("installed, German page")
            << QStringList{share} << de << share + page.arg(de) << share + catalogues;
        QTest::newRow("installed, no page in the language")
            << QStringList{share} << "ja" << share + page.arg("en") << share + catalogues;
        QTest::newRow("beside the executable")
            << QStringList{"bin/"} << de << "bin/" + page.arg(de) << "bin/" + catalogues;
        QTest::newRow("beside wins over installed")
            << QStringList{share, "bin/"} << de << "bin/" + page.arg(de) << "bin/" + catalogues;
        // A message then names the folder a build or a Windows copy should have.
        QTest::newRow("neither") << QStringList() << de << QString() << "bin/" + catalogues;
    }

    void foundFromTheExecutable()
    {
        QFETCH(QStringList, homes);
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, translations);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        QVERIFY(prefix.isValid() && root.mkpath("bin"));
        for (const QString &home : homes) {
            QVERIFY(root.mkpath(home + "Help"));
            QVERIFY(root.mkpath(home + InstallPaths::translationsFolderName()));
            for (const char *code : {"de", "en"})
                QVERIFY(put(root.filePath(home + page.arg(code)), "<html></html>"));
        }
        const QString program = root.filePath("bin/marlune-datalogger");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QProcess child;
        child.start(program, {"--report", language});
        QVERIFY2(child.waitForFinished(20000), "the copy in <prefix>/bin did not report");
        QCOMPARE(child.exitCode(), 0);
        const QString base = QFileInfo(prefix.path()).canonicalFilePath() + '/';
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n'),
                 QStringList({help.isEmpty() ? QString() : base + help, base + translations, ""}));
    }

    // The stored read time-out as the window reads it: brought into the range.
    void readTimeoutRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("used"); // -1: not a whole number
        QTest::newRow("default") << "110" << 110;
        QTest::newRow("spaces and sign") << " +250 " << 250;
        QTest::newRow("leading zeros") << "000000000000000120" << 120;
        QTest::newRow("0") << "0" << 50;
        QTest::newRow("negative") << "-20" << 50;
        QTest::newRow("negative, above the minimum's size") << "-200" << 50;
        QTest::newRow("a minute") << "60000" << 60000;
        QTest::newRow("just above") << "60001" << 60000;
        QTest::newRow("would wrap to 110 as 32 bits") << "4294967406" << 60000;
        QTest::newRow("beyond 64 bits") << "99999999999999999999999" << 60000;
        QTest::newRow("text") << "abc" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("fraction") << "12.5" << -1;
    }

    void readTimeoutRange()
    {
        QFETCH(QString, stored);
        QFETCH(int, used);
        QCOMPARE(Settings::storedNumber(Settings::Key::ReadTimeout, stored).value_or(-1), used);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0) { // the child: what it found
        const QString language = QString::fromLocal8Bit(argv[2]);
        std::printf("%s\n%s\n", qPrintable(InstallPaths::helpPage(language)),
                    qPrintable(InstallPaths::translationsDirectory()));
        return 0;
    }
    TestCommon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"
