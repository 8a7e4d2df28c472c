// The command line as the user types it: what each set of arguments asks for, Qt's
// own options passed on to the window, and the help that names the user guide.
#include "app/CommandLine.h"
#include "app/PortListing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
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

        const QStringList usual{"--download", "--port", "ttyUSB0", "--output", "r.csv"};
        QTest::newRow("download") << usual << A::Download << "";
        QTest::newRow("download to the standard output, European")
            << QStringList{"--download", "--port", "ttyUSB0", "--output", "-", "--european"}
            << A::Download << "";
        QTest::newRow("download without --port") << QStringList{"--download", "--output", "r.csv"}
                                                 << A::UsageError << "--download needs --port.";
        QTest::newRow("download without --output") << QStringList{"--download", "--port", "ttyUSB0"}
                                                   << A::UsageError << "--download needs --output.";
        QTest::newRow("--european and --no-european")
            << (usual + QStringList{"--european", "--no-european"}) << A::UsageError
            << "--european and --no-european exclude each other.";
        for (const char *option : {"--quiet", "--verbose", "--european", "--no-european"})
            QTest::newRow(qPrintable(QStringLiteral("%1 alone").arg(option)))
                << QStringList{option} << A::UsageError
                << QStringLiteral("The option '%1' needs --download.").arg(option + 2);
        QTest::newRow("--start-timeout alone")
            << QStringList{"--start-timeout", "5"} << A::UsageError
            << "The option 'start-timeout' needs --download.";
        QTest::newRow("read time-out at its limits")
            << (usual + QStringList{"--read-timeout", "50"}) << A::Download << "";
        QTest::newRow("read time-out below")
            << (usual + QStringList{"--read-timeout", "49"}) << A::UsageError
            << "--read-timeout needs a whole number of milliseconds from 50 to 60000, not '49'.";
        QTest::newRow("read time-out far above")
            << (usual + QStringList{"--read-timeout", "99999999999"}) << A::UsageError
            << "--read-timeout needs a whole number of milliseconds from 50 to 60000, not "
               "'99999999999'.";
        QTest::newRow("read time-out negative")
            << (usual + QStringList{"--read-timeout", "-200"}) << A::UsageError
            << "--read-timeout needs a whole number of milliseconds from 50 to 60000, not '-200'.";
        QTest::newRow("start time-out zero")
            << (usual + QStringList{"--start-timeout", "0"}) << A::UsageError
            << "--start-timeout needs a whole number of seconds from 1 to 86400, not '0'.";
        QTest::newRow("start time-out")
            << (usual + QStringList{"--start-timeout", "30"}) << A::Download << "";
        QTest::newRow("--list-ports") << QStringList{"--list-ports"} << A::ListPorts << "";
        QTest::newRow("--list-ports as JSON")
            << QStringList{"--list-ports", "--format", "json"} << A::ListPorts << "";
        QTest::newRow("--format alone")
            << QStringList{"--format", "json"} << A::UsageError
            << "--format goes with --list-ports, --list-downloads or --summary.";
        QTest::newRow("--format unknown")
            << QStringList{"--list-ports", "--format", "xml"} << A::UsageError
            << "--format is text or json, not 'xml'.";
        // The archive's commands.
        const QString number = "needs the number of a download as --list-downloads shows it";
        QTest::newRow("export without output")
            << QStringList{"--export", "1"} << A::UsageError << "--export needs --output.";
        QTest::newRow("export of no number")
            << QStringList{"--export", "first", "--output", "x.csv"} << A::UsageError
            << "--export " + number + ", not 'first'.";
        QTest::newRow("delete of zero")
            << QStringList{"--delete", "0"} << A::UsageError << "--delete " + number + ", not '0'.";
        QTest::newRow("two archive commands")
            << QStringList{"--list-downloads", "--delete", "3"} << A::UsageError
            << "--list-downloads, --export and --delete go one at a time.";
        QTest::newRow("unknown format of a list")
            << QStringList{"--list-downloads", "--format", "xml"} << A::UsageError
            << "--format is text or json, not 'xml'.";
        QTest::newRow("European with delete")
            << QStringList{"--delete", "3", "--european"} << A::UsageError
            << "The option 'european' does not go with --delete.";
        QTest::newRow("port with a list")
            << QStringList{"--list-downloads", "--port", "COM3"} << A::UsageError
            << "The option 'port' does not go with --list-downloads.";
        QTest::newRow("no-archive with export")
            << QStringList{"--export", "1", "--output", "x.csv", "--no-archive"} << A::UsageError
            << "The option 'no-archive' does not go with --export.";
        QTest::newRow("archive alone") << QStringList{"--archive", "a.sqlite"} << A::UsageError
                                       << "The option 'archive' needs --download.";
        QTest::newRow("--design without --summary")
            << QStringList{"--design", "x.json"} << A::UsageError
            << "--design goes with --summary or --report.";
        QTest::newRow("--list-ports with --download")
            << (usual + QStringList{"--list-ports"}) << A::UsageError
            << "--list-ports and --download exclude each other.";
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

    void downloadOptions()
    {
        const CommandLine line({"marlune-datalogger", "--download", "--port", "ttyUSB0", "--output",
                                "-", "--european", "--read-timeout", " 400 ", "--start-timeout",
                                "30", "--quiet", "--verbose"});
        const HeadlessDownload::Options options = line.downloadOptions();
        QCOMPARE(options.port, QStringLiteral("ttyUSB0"));
        QCOMPARE(options.output, QStringLiteral("-"));
        QCOMPARE(options.readTimeout, 400);
        QCOMPARE(options.startTimeout, 30);
        QVERIFY(options.european.value_or(false));
        QVERIFY(options.quiet && options.verbose);
        QVERIFY(CommandLine({"m", "--list-ports", "--format", "json"}).listPortsAsJson());
        QVERIFY(!CommandLine({"m", "--list-ports"}).listPortsAsJson());
    }

    void displayReachable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment"); // QT_QPA_PLATFORM|DISPLAY|WAYLAND_DISPLAY
        QTest::addColumn<bool>("reachable");
        const QStringList none;
        QTest::newRow("nothing set") << none << "||" << false;
        QTest::newRow("X11") << none << "|:0|" << true;
        QTest::newRow("Wayland") << none << "||wayland-0" << true;
        QTest::newRow("offscreen") << none << "offscreen||" << true;
        QTest::newRow("xcb without DISPLAY") << none << "xcb||wayland-0" << false;
        QTest::newRow("wayland without its display") << none << "wayland|:0|" << false;
        QTest::newRow("-platform minimal")
            << QStringList{"-platform", "minimal"} << "xcb||" << true;
        QTest::newRow("-platform xcb over offscreen")
            << QStringList{"-platform", "xcb"} << "offscreen||" << false;
    }

    void displayReachable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(bool, reachable);
        const QStringList set = environment.split('|');
        QCOMPARE(
            CommandLine::displayReachable(QStringList{"m"} + arguments, set[0], set[1], set[2]),
            reachable);
    }

    // What --list-ports prints: one line a port, every field there ("-" for none), and JSON.
    void portListing()
    {
        ComPortInfo usb;
        usb.portName = "ttyUSB0";
        usb.devicePath = "/dev/ttyUSB0";
        usb.vendorId = 0x0403;
        usb.productId = 0x6001;
        usb.serialNumber = "A9\t07";
        usb.friendlyName = "FT232R USB UART";
        ComPortInfo plain;
        plain.portName = "ttyS0";
        plain.devicePath = "/dev/ttyS0";
        QCOMPARE(PortListing::text({usb, plain}),
                 QByteArray("ttyUSB0\t/dev/ttyUSB0\t0403:6001\tA9 07\tFT232R USB UART\n"
                            "ttyS0\t/dev/ttyS0\t-\t-\t-\n"));
        QVERIFY(PortListing::text({}).isEmpty());
        const QJsonArray ports = QJsonDocument::fromJson(PortListing::json({usb, plain})).array();
        QCOMPARE(ports.size(), 2);
        QCOMPARE(ports.at(0)["vendorId"].toString(), QStringLiteral("0403"));
        QCOMPARE(ports.at(0)["productId"].toString(), QStringLiteral("6001"));
        QCOMPARE(ports.at(0)["serialNumber"].toString(), QStringLiteral("A9\t07"));
        QCOMPARE(ports.at(0)["path"].toString(), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(ports.at(1)["vendorId"].isNull());
        QCOMPARE(ports.at(1)["name"].toString(), QStringLiteral("ttyS0"));
    }

    // A program folder whose path holds "%1" still finds its user guide.
    void helpPageInFolderWithPercent()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("tools %1 here");
        QVERIFY(QDir().mkpath(folder + "/Help"));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/marlune-datalogger",
                            folder + "/marlune-datalogger"));
        QFile page(folder + "/Help/DravlinSolarDataLoggerHelp_en.html");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "en");
        run.setProcessEnvironment(environment);
        run.start(folder + "/marlune-datalogger", {"--help"});
        QVERIFY(run.waitForFinished(20000));
        const QByteArray help = run.readAllStandardOutput();
        QVERIFY2(help.contains(("User guide: " + page.fileName() + "\n").toUtf8()),
                 help.constData());
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
        for (const char *option : {"--list-ports", "--format", "--verbose", "--start-timeout"})
            QVERIFY2(help.contains(option), option);
        QVERIFY2(help.contains("    6  saved (or read), but the data may be incomplete"),
                 qPrintable(help));
        QVERIFY2(help.contains("  129  stopped with SIGHUP"), qPrintable(help));
    }

    void init() { QCoreApplication::setApplicationVersion(QStringLiteral("3.1")); }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
