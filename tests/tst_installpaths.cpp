// Where an installed program finds its data folders: a copy of this test, run as a child
// from a temporary <prefix>/bin, reports what it found; so the lookup of an installed tree
// is caught here and not first by the package stage.
#include "TestSupport.h"
#include "common/InstallPaths.h"
#include "common/SettingsKeys.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace TestSupport;

namespace {

// The child: the folders found from where it runs, one a line.
int report(const QString &language)
{
    const QByteArray lines =
        (InstallPaths::helpPage(language) + '\n' + InstallPaths::translationsDirectory() + '\n')
            .toLocal8Bit();
    std::fwrite(lines.constData(), 1, size_t(lines.size()), stdout);
    return 0;
}

} // namespace

class TestInstallPaths : public QObject
{
    Q_OBJECT

private slots:
    void foundFromTheExecutable_data()
    {
        QTest::addColumn<QString>("layout"); // "installed", "beside", "both" or "none"
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");         // relative to the prefix; empty: none
        QTest::addColumn<QString>("translations"); // relative to the prefix

        const QString share = "share/marlune-datalogger/";
        const QString page = "Help/DravlinSolarDataLoggerHelp_%1.html";
        const QString catalogues = SettingsKeys::TranslationsDir;
        QTest::newRow("installed, German page")
            << "installed" << QString("de") << share + page.arg("de") << share + catalogues;
        QTest::newRow("installed, no page in the language")
            << "installed" << QString("ja") << share + page.arg("en") << share + catalogues;
        QTest::newRow("beside the executable")
            << "beside" << QString("de") << "bin/" + page.arg("de") << "bin/" + catalogues;
        QTest::newRow("beside wins over installed")
            << "both" << QString("de") << "bin/" + page.arg("de") << "bin/" + catalogues;
        // A message then names the folder a build or a Windows copy should have.
        QTest::newRow("neither") << "none" << QString("de") << QString() << "bin/" + catalogues;
    }

    void foundFromTheExecutable()
    {
        QFETCH(QString, layout);
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, translations);

        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QDir root(prefix.path());
        QVERIFY(root.mkpath("bin"));
        QStringList homes;
        if (layout == "installed" || layout == "both")
            homes << "share/marlune-datalogger/";
        if (layout == "beside" || layout == "both")
            homes << "bin/";
        for (const QString &home : homes) {
            QVERIFY(root.mkpath(home + "Help"));
            QVERIFY(root.mkpath(home + SettingsKeys::TranslationsDir));
            for (const char *code : {"de", "en"})
                QVERIFY(put(root.filePath(home + "Help/DravlinSolarDataLoggerHelp_" +
                                          QString(code) + ".html"),
                            "<html></html>"));
        }
        const QString program = root.filePath("bin/marlune-datalogger");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));

        QProcess child;
        child.start(program, {"--report", language});
        QVERIFY2(child.waitForFinished(20000), "the copy in <prefix>/bin did not report");
        QCOMPARE(child.exitCode(), 0);
        const QStringList found = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n');
        QCOMPARE(found.size(), 3);
        const QString base = QFileInfo(prefix.path()).canonicalFilePath() + '/';
        QCOMPARE(found.at(0), help.isEmpty() ? QString() : base + help);
        QCOMPARE(found.at(1), base + translations);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0)
        return report(QString::fromLocal8Bit(argv[2]));
    TestInstallPaths test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installpaths.moc"
