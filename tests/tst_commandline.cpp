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
    // A usage error names what is wrong (the option, the value typed): the texts themselves
    // are the translators' (tst_translationcatalogue), not copied here.
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("named"); // in the error, each
        using A = CommandLine::Action;
        const auto row = [](const QString &name, const QString &arguments, A action,
                            const QString &named = QString()) {
            QTest::newRow(qPrintable(name)) << arguments.split(' ', Qt::SkipEmptyParts) << action
                                            << named.split(' ', Qt::SkipEmptyParts);
        };
        const auto bad = [&](const QString &name, const QString &arguments, const QString &named) {
            row(name, arguments, A::UsageError, named);
        };
        row("none", "", A::RunWindow);
        row("--help", "--help", A::ShowHelp);
        row("-h", "-h", A::ShowHelp);
        row("--version", "--version", A::ShowVersion);
        row("help wins over version", "-v --help", A::ShowHelp);
        row("Qt's -platform with its value", "-platform offscreen", A::RunWindow);
        row("Qt's --style=", "--style=fusion -reverse", A::RunWindow);
        bad("unknown option", "--bogus", "'bogus'");
        bad("unknown single-dash word", "-hv", "'hv'");
        bad("value given to --help", "--help=all", "'--help'");
        bad("positional argument", "/dev/ttyUSB0", "'/dev/ttyUSB0'");
        bad("-platform without its value", "-platform", "'-platform'");

        const QString usual = "--download --port ttyUSB0 --output r.csv ";
        row("download", usual, A::Download);
        row("download to the standard output, European",
            "--download --port ttyUSB0 --output - --european", A::Download);
        bad("download without --port", "--download --output r.csv", "--download --port");
        bad("download with an empty --port", "--download --port= --output r.csv", "--port");
        bad("download without --output", "--download --port ttyUSB0", "--download --output");
        bad("download with an empty --output", "--download --port ttyUSB0 --output=", "--output");
        bad("--european and --no-european", usual + "--european --no-european",
            "--european --no-european");
        for (const QString option : {"quiet", "verbose", "european", "no-european", "archive"})
            bad(option + " alone", "--" + option + (option == "archive" ? " a.sqlite" : ""),
                "'" + option + "' --download");
        bad("--start-timeout alone", "--start-timeout 5", "'start-timeout' --download");
        row("read time-out at its limits", usual + "--read-timeout 50", A::Download);
        row("read time-out at its upper limit", usual + "--read-timeout 60000", A::Download);
        bad("read time-out below", usual + "--read-timeout 49", "--read-timeout 50 60000 '49'");
        bad("read time-out far above", usual + "--read-timeout 99999999999",
            "--read-timeout '99999999999'");
        bad("read time-out empty", usual + "--read-timeout=", "--read-timeout ''");
        bad("read time-out negative", usual + "--read-timeout -200", "--read-timeout '-200'");
        bad("start time-out zero", usual + "--start-timeout 0", "--start-timeout 1 86400 '0'");
        row("start time-out", usual + "--start-timeout 30", A::Download);
        row("--list-ports", "--list-ports", A::ListPorts);
        row("--list-ports as JSON", "--list-ports --format json", A::ListPorts);
        bad("--format alone", "--format json", "--format --list-ports");
        bad("--format unknown", "--list-ports --format xml", "--format 'xml'");
        // The archive's commands.
        bad("export without output", "--export 1", "--export --output");
        bad("export of no number", "--export first --output x.csv", "--export 'first'");
        bad("delete of zero", "--delete 0", "--delete '0'");
        bad("two archive commands", "--list-downloads --delete 3", "--list-downloads --delete");
        bad("unknown format of a list", "--list-downloads --format xml", "--format 'xml'");
        bad("European with delete", "--delete 3 --european", "'european' --delete");
        bad("port with a list", "--list-downloads --port COM3", "'port' --list-downloads");
        bad("no-archive with export", "--export 1 --output x.csv --no-archive",
            "'no-archive' --export");
        bad("--design without --summary", "--design x.json", "--design --summary --report");
        bad("--design empty", "--summary r.csv --design=", "--design");
        bad("--list-ports with --download", usual + "--list-ports", "--list-ports --download");
        // Each command takes its own options; another's is refused, never ignored.
        bad("a download's option with --summary", "--summary r.csv --port COM3",
            "'port' --summary");
        bad("archive with --list-ports", "--list-ports --archive a.sqlite", "'archive' --download");
        bad("quiet with --sync", "--sync --quiet", "'quiet' --sync");
        // --team URL: a libpq connection URI; what libpq leaves open (an empty host: PGHOST or
        // the local socket) is left to it, a malformed one is a usage error.
        row("--sync with --team URL", "--sync --team postgresql://al@h:5432/t?sslmode=verify-full",
            A::Team);
        row("--team with an empty host", "--list-downloads --team postgresql:///team", A::Team);
        for (const QString url : {"http://h/team", "postgresql://h:99999/team",
                                  "postgresql://h:port/team", "h:5432/team"})
            bad("--team " + url, "--sync --team " + url, "--team '" + url + "'");
        bad("--team with port 0", "--sync --team postgresql://h:0/team", "port '0'");
        bad("--team with port=x", "--sync --team postgresql://h/team?port=x", "port 'x'");
        bad("--team with an unknown sslmode", "--list-downloads --team postgresql://h/t?sslmode=on",
            "sslmode 'on'");
    }

    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, named);
        const CommandLine commandLine(QStringList{"marlune-datalogger"} + arguments);
        QCOMPARE(commandLine.action(), action);
        const QString error = commandLine.errorText();
        QCOMPARE(error.isEmpty(), action != CommandLine::Action::UsageError);
        for (const QString &name : named)
            QVERIFY2(error.contains(name), qPrintable(name + " not in: " + error));
        // One sentence of its own, not a part of the help.
        QVERIFY2(!error.contains('\n'), qPrintable(error));
    }

    void downloadOptions()
    {
        const CommandLine line({"marlune-datalogger", "--download", "--port", "ttyUSB0", "--output",
                                "-", "--european", "--read-timeout", " 400 ", "--start-timeout",
                                "30", "--quiet", "--verbose"});
        const HeadlessDownload::Options o = line.downloadOptions();
        QCOMPARE(QStringList({o.port, o.output, QString::number(o.readTimeout),
                              QString::number(o.startTimeout)}),
                 QStringList({"ttyUSB0", "-", "400", "30"}));
        QVERIFY(o.european.value_or(false) && o.quiet && o.verbose);
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
        const QJsonValue first = ports.at(0);
        QCOMPARE(QStringList({first["vendorId"].toString(), first["productId"].toString(),
                              first["serialNumber"].toString(), first["path"].toString()}),
                 QStringList({"0403", "6001", "A9\t07", "/dev/ttyUSB0"}));
        QVERIFY(ports.at(1)["vendorId"].isNull() && ports.at(1)["name"] == "ttyS0");
    }

    // The help names our options (not Qt's), the exit statuses and the user guide, also from a
    // program folder whose path holds "%1".
    void help()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("tools %1 here");
        QVERIFY(QDir().mkpath(folder + "/Help"));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/marlune-datalogger",
                            folder + "/marlune-datalogger"));
        const QString page = folder + "/Help/DravlinSolarDataLoggerHelp_en.html";
        QVERIFY(QFile(page).open(QIODevice::WriteOnly));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "en");
        run.setProcessEnvironment(environment);
        run.start(folder + "/marlune-datalogger", {"--help"});
        QVERIFY2(run.waitForFinished(20000), "--help did not end within 20 s");
        const QString help = QString::fromUtf8(run.readAllStandardOutput());
        for (const QString &part :
             QStringList{"-h, --help", "-v, --version", "--list-ports", "--format", "--verbose",
                         "--start-timeout", "\n  129  ", "\n    6  ", "User guide: " + page + "\n"})
            QVERIFY2(help.contains(part), qPrintable(part + " not in " + help));
        QVERIFY2(!help.contains("platform"), "Qt's own options are not ours to document");
        QCOMPARE(CommandLine::versionText(), QStringLiteral("Marlune DataLogger 3.1"));
    }

    void init() { QCoreApplication::setApplicationVersion(QStringLiteral("3.1")); }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
