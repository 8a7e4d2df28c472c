// The command line as the user types it: what each set of arguments asks for, Qt's own options
// passed on to the window, and the help that names the user guide. Also where an installed
// program finds its data folders (a copy of this test, run as a child from a temporary
// <prefix>/bin, reports what it found), and the stored read time-out as the window reads it.
#include "TestSupport.h"
#include "app/CommandLine.h"
#include "app/PortListing.h"
#include "common/InstallPaths.h"
#include "common/Settings.h"

#include <QtTest>

#include <cstdio>

Q_DECLARE_METATYPE(CommandLine::Action)

using namespace TestSupport;

static const QString share = "share/marlune-datalogger/",
                     page = "Help/DravlinSolarDataLoggerHelp_%1.html";

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // A usage error names what is wrong (the option, the value typed): the texts themselves
    // are the translators' (tst_translationcatalogue), not copied here. A download names the
    // options it takes, the port list its format.
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("named"); // in the error or the options, each
        using A = CommandLine::Action;
        // The tag is the command line itself.
        const auto row = [](const QString &arguments, A action, const QString &named = QString()) {
            QTest::newRow(qPrintable(arguments)) << QProcess::splitCommand(arguments) << action
                                                 << named.split(' ', Qt::SkipEmptyParts);
        };
        // Refused, each "arguments|what the error names".
        const auto bad = [&](const QStringList &rows) {
            for (const QString &entry : rows)
                row(entry.section('|', 0, 0), A::UsageError, entry.section('|', 1));
        };
        row("", A::RunWindow);
        row("--help", A::ShowHelp);
        row("-h", A::ShowHelp);
        row("--version", A::ShowVersion);
        row("-v --help", A::ShowHelp);            // help wins
        row("-platform offscreen", A::RunWindow); // Qt's own options
        row("--style=fusion -reverse", A::RunWindow);
        bad({"--bogus|'bogus'", "-hv|'hv'", "--help=all|'--help'", "/dev/ttyUSB0|'/dev/ttyUSB0'",
             "-platform|'-platform'"});

        const QString usual = "--download --port ttyUSB0 --output r.csv ";
        row(usual, A::Download, "port=ttyUSB0 output=r.csv read=110 start=0 ;;;");
        row("--download --port ttyUSB0 --output - --european --read-timeout \" 400 \" "
            "--start-timeout 30 --quiet --verbose",
            A::Download, "output=- read=400 start=30 ;european;quiet;verbose");
        row(usual + "--read-timeout 50", A::Download, "read=50");
        row(usual + "--read-timeout 60000", A::Download, "read=60000");
        bad({"--download --output r.csv|--download --port",
             "--download --port= --output r.csv|--port",
             "--download --port ttyUSB0|--download --output",
             "--download --port ttyUSB0 --output=|--output",
             usual + "--european --no-european|--european --no-european",
             usual + "--read-timeout 49|--read-timeout 50 60000 '49'",
             usual + "--read-timeout 99999999999|--read-timeout '99999999999'",
             usual + "--read-timeout=|--read-timeout ''",
             usual + "--read-timeout -200|--read-timeout '-200'",
             usual + "--start-timeout 0|--start-timeout 1 86400 '0'"});
        for (const QString option :
             {"quiet", "verbose", "european", "no-european", "archive a.sqlite", "start-timeout 5"})
            bad({"--" + option + "|'" + option.section(' ', 0, 0) + "' --download"});
        row("--list-ports", A::ListPorts, "text");
        row("--list-ports --format json", A::ListPorts, "json");
        bad({"--format json|--format --list-ports", "--list-ports --format xml|--format 'xml'",
             "--export 1|--export --output", "--export first --output x.csv|--export 'first'",
             "--delete 0|--delete '0'", "--list-downloads --delete 3|--list-downloads --delete",
             "--list-downloads --format xml|--format 'xml'",
             "--design x.json|--design --summary --report", "--summary r.csv --design=|--design"});
        // Each command takes its own options; another's is refused, never ignored.
        bad({"--delete 3 --european|'european' --delete",
             "--list-downloads --port COM3|'port' --list-downloads",
             "--export 1 --output x.csv --no-archive|'no-archive' --export",
             usual + "--list-ports|--list-ports --download",
             "--summary r.csv --port COM3|'port' --summary",
             "--list-ports --archive a.sqlite|'archive' --download",
             "--sync --quiet|'quiet' --sync"});
        // --team URL: a libpq connection URI; what libpq leaves open (an empty host: PGHOST or
        // the local socket) is left to it, a malformed one is a usage error.
        row("--sync --team postgresql://al@h:5432/t?sslmode=verify-full", A::Team);
        row("--list-downloads --team postgresql:///team", A::Team);
        for (const QString url : {"http://h/team", "postgresql://h:99999/team",
                                  "postgresql://h:port/team", "h:5432/team"})
            bad({"--sync --team " + url + "|--team '" + url + "'"});
        bad({"--sync --team postgresql://h:0/team|port '0'",
             "--sync --team postgresql://h/team?port=x|port 'x'",
             "--list-downloads --team postgresql://h/t?sslmode=on|sslmode 'on'"});
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
        // One sentence of its own, not a part of the help.
        QVERIFY2(!error.contains('\n'), qPrintable(error));
        const HeadlessDownload::Options o = commandLine.downloadOptions();
        QString said = error;
        if (action == CommandLine::Action::Download)
            said = QStringLiteral("port=%1 output=%2 read=%3 start=%4 ;%5;%6;%7")
                       .arg(o.port, o.output, QString::number(o.readTimeout),
                            QString::number(o.startTimeout),
                            o.european.value_or(false) ? "european" : "", o.quiet ? "quiet" : "",
                            o.verbose ? "verbose" : "");
        else if (action == CommandLine::Action::ListPorts)
            said = commandLine.listPortsAsJson() ? "json" : "text";
        for (const QString &name : named)
            QVERIFY2(said.contains(name), qPrintable(name + " not in: " + said));
    }

    void displayReachable_data()
    {
        QTest::addColumn<QString>("setting"); // QT_QPA_PLATFORM|DISPLAY|WAYLAND_DISPLAY|arguments
        QTest::addColumn<bool>("reachable");
        // X11, Wayland, offscreen, -platform over the environment's; nothing set, a platform
        // without its display.
        const QStringList reachable{"|:0||", "||wayland-0|", "offscreen|||",
                                    "xcb|||-platform minimal"};
        const QStringList unreachable{"|||", "xcb||wayland-0|", "wayland|:0||",
                                      "offscreen|||-platform xcb"};
        for (const QString &setting : reachable + unreachable)
            QTest::newRow(qPrintable(setting)) << setting << reachable.contains(setting);
    }

    void displayReachable()
    {
        QFETCH(QString, setting);
        QFETCH(bool, reachable);
        const QStringList set = setting.split('|');
        const QStringList arguments = QStringList{"m"} + QProcess::splitCommand(set[3]);
        QCOMPARE(CommandLine::displayReachable(arguments, set[0], set[1], set[2]), reachable);
    }

    // What --list-ports prints: one line a port, every field there ("-" for none), and JSON.
    void portListing()
    {
        // Name, path, device object, description, serial number, bus, vendor and product.
        const ComPortInfo usb{"ttyUSB0", "/dev/ttyUSB0", {}, "FT 232", "A9\t07", {}, 0x403, 0x6001};
        const ComPortInfo plain{"ttyS0", "/dev/ttyS0", {}, {}, {}, {}, 0, 0};
        QCOMPARE(PortListing::text({usb, plain}),
                 QByteArray("ttyUSB0\t/dev/ttyUSB0\t0403:6001\tA9 07\tFT 232\n"
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

    void init() { QCoreApplication::setApplicationVersion(QStringLiteral("3.1")); }

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
        QTemporaryDir prefix(QDir::tempPath() + "/ml %1 prefix-XXXXXX"); // "%1" left as it is
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
        const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n');
        QCOMPARE(lines.mid(0, 2),
                 QStringList({help.isEmpty() ? QString() : base + help, base + translations}));
        // The help names our options (not Qt's), the exit statuses and the user guide.
        const QString text = lines.mid(2).join('\n');
        QStringList parts{"-h, --help", "-v, --version",   "--list-ports", "--format",
                          "--verbose",  "--start-timeout", "\n  129  ",    "\n    6  "};
        if (!help.isEmpty())
            parts << "User guide: " + base + help + "\n";
        for (const QString &part : parts)
            QVERIFY2(text.contains(part), qPrintable(part + " not in " + text));
        QCOMPARE(text.count("User guide"), int(!help.isEmpty()));
        QVERIFY2(!text.contains("platform"), "Qt's own options are not ours to document");
        QCOMPARE(CommandLine::versionText(), QStringLiteral("Marlune DataLogger 3.1"));
    }

    // The stored read time-out as the window reads it: brought into the range.
    void readTimeoutRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("used"); // -1: not a whole number
        // Each "stored|used"; 4294967406 would wrap to 110 as 32 bits.
        for (const QString row :
             {"110|110", " +250 |250", "000000000000000120|120", "0|50", "-20|50", "-200|50",
              "60000|60000", "60001|60000", "4294967406|60000", "99999999999999999999999|60000",
              "abc|-1", "|-1", "12.5|-1"})
            QTest::newRow(qPrintable(row)) << row.section('|', 0, 0) << row.section('|', 1).toInt();
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
        QLocale::setDefault(QLocale(language));
        std::printf("%s\n%s\n%s", qPrintable(InstallPaths::helpPage(language)),
                    qPrintable(InstallPaths::translationsDirectory()),
                    qPrintable(CommandLine({"marlune-datalogger", "--help"}).helpText()));
        return 0;
    }
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandline.moc"
