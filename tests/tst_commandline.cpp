// The command line as the user types it: what each set of arguments asks for, Qt's
// own options passed on to the window, and the help that names the user guide.
#include "app/CommandLine.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QString>("error");

        using A = CommandLine::Action;
        QTest::newRow("none") << QStringList() << A::RunWindow << "";
        QTest::newRow("--help") << QStringList{"--help"} << A::ShowHelp << "";
        QTest::newRow("-h") << QStringList{"-h"} << A::ShowHelp << "";
        QTest::newRow("--version") << QStringList{"--version"} << A::ShowVersion << "";
        QTest::newRow("-v") << QStringList{"-v"} << A::ShowVersion << "";
        QTest::newRow("help wins over version")
            << QStringList{"--version", "--help"} << A::ShowHelp << "";
        QTest::newRow("Qt's -platform with its value")
            << QStringList{"-platform", "offscreen"} << A::RunWindow << "";
        QTest::newRow("Qt's --style=")
            << QStringList{"--style=fusion", "-reverse"} << A::RunWindow << "";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << A::UsageError << "Unknown option 'bogus'.";
        QTest::newRow("unknown single-dash word")
            << QStringList{"-hv"} << A::UsageError << "Unknown option 'hv'.";
        QTest::newRow("value given to --help")
            << QStringList{"--help=all"} << A::UsageError << "Unexpected value after '--help'.";
        QTest::newRow("positional argument") << QStringList{"/dev/ttyUSB0"} << A::UsageError
                                             << "Unexpected argument '/dev/ttyUSB0'.";
        QTest::newRow("-platform without its value")
            << QStringList{"-platform"} << A::UsageError << "Missing value after '-platform'.";
    }

    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QString, error);

        const CommandLine commandLine(QStringList{"marlune-datalogger"} + arguments);
        QCOMPARE(commandLine.action(), action);
        QCOMPARE(commandLine.errorText(), error);
    }

    void helpNamesOptionsAndUserGuide()
    {
        const QString help = CommandLine(QStringList{"marlune-datalogger", "--help"}).helpText();
        QVERIFY2(help.contains("-h, --help") && help.contains("-v, --version"), qPrintable(help));
        // Qt's own options are accepted but are not ours to document.
        QVERIFY2(!help.contains("platform"), qPrintable(help));
        const QString guide =
            QCoreApplication::applicationDirPath() + "/Help/DravlinSolarDataLoggerHelp_en.html";
        QVERIFY2(help.contains("User guide: " + guide + "\n"), qPrintable(help));
        QCOMPARE(CommandLine::versionText(), QStringLiteral("Marlune DataLogger 3.1"));
    }

    void init() { QCoreApplication::setApplicationVersion(QStringLiteral("3.1")); }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
