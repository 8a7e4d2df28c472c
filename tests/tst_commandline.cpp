// The command line as the user types it: what each set of arguments asks for, Qt's own options
// passed on to the window, and the help that names the user guide. Also where an installed
// program finds its data folders (a copy of this test, run as a child from a temporary
// <prefix>/bin, reports what it found), and the stored read time-out as the window reads it.
#include "TestSupport.h"
#include "app/CommandLine.h"
#include "app/PortListing.h"
#include "common/InstallPaths.h"
#include "common/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

Q_DECLARE_METATYPE(CommandLine::Action)

using namespace TestSupport;

namespace {

const QString share = "share/marlune-datalogger/", page = "Help/DravlinSolarDataLoggerHelp_%1.html";

} // namespace

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
        const auto row = [](const QString &name, const QString &arguments, A action,
                            const QString &named = QString()) {
            QTest::newRow(qPrintable(name)) << QProcess::splitCommand(arguments) << action
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
        row("download", usual, A::Download, "port=ttyUSB0 output=r.csv read=110 start=0 ;;;");
        row("download to the standard output, European, all options",
            "--download --port ttyUSB0 --output - --european --read-timeout \" 400 \" "
            "--start-timeout 30 --quiet --verbose",
            A::Download, "output=- read=400 start=30 ;european;quiet;verbose");
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
        row("read time-out at its limits", usual + "--read-timeout 50", A::Download, "read=50");
        row("read time-out at its upper limit", usual + "--read-timeout 60000", A::Download,
            "read=60000");
        bad("read time-out below", usual + "--read-timeout 49", "--read-timeout 50 60000 '49'");
        bad("read time-out far above", usual + "--read-timeout 99999999999",
            "--read-timeout '99999999999'");
        bad("read time-out empty", usual + "--read-timeout=", "--read-timeout ''");
        bad("read time-out negative", usual + "--read-timeout -200", "--read-timeout '-200'");
        bad("start time-out zero", usual + "--start-timeout 0", "--start-timeout 1 86400 '0'");
        row("start time-out", usual + "--start-timeout 30", A::Download, "start=30");
        row("--list-ports", "--list-ports", A::ListPorts, "text");
        row("--list-ports as JSON", "--list-ports --format json", A::ListPorts, "json");
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
    TestCommandLine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commandline.moc"
