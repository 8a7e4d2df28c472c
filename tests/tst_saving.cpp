// Saving a finished download, and the window's small commands: the European
// CSV conversion under a decimal-comma language, saves that fail, About, Help
// and Open.
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Downloads the emulator's results and declines the save dialog that follows,
// leaving the data in the window for the Save button.
bool downloadAndDecline(UiDriver &driver, TesterEmulatorProcess &emulator)
{
    if (!emulator.start({"--baud", "0"}))
        return false;
    driver.setPort(emulator.devicePath);
    driver.saveAs.clear();
    const int dialogs = driver.saveDialogs;
    return driver.download() && driver.saveDialogs == dialogs + 1 &&
           driver.button("saveBtn")->isVisible();
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT

public slots:
    // The desktop's handler of file: URLs while the tests run.
    void openUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase();
    void init();
    void europeanFormat_data();
    void europeanFormat();
    void failedSave_data();
    void failedSave();
    void aboutShowsTheVersion();
    void helpPage_data();
    void helpPage();
    void openShowsTheSavedFile();

private:
    QByteArray builtIn;
    QList<QUrl> openedUrls;
};

void TestSaving::initTestCase()
{
    builtIn = TesterEmulatorProcess::builtInData();
    QVERIFY(builtIn.size() > 10000);
    // A write beyond the file-size limit fails with EFBIG instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
}

void TestSaving::init()
{
    QSettings().clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    openedUrls.clear();
}

void TestSaving::europeanFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");

    QTest::newRow("German, converted") << "de_DE" << true << true;
    QTest::newRow("German, not converted") << "de_DE" << false << true;
    QTest::newRow("English, decimal point") << "en_GB" << true << false;
}

void TestSaving::europeanFormat()
{
    QFETCH(QString, locale);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);

    QLocale::setDefault(QLocale(locale));
    QTemporaryDir dir;
    TesterEmulatorProcess emulator;
    MainWindow window;
    UiDriver driver(&window);
    driver.reply = answerYes ? QMessageBox::Yes : QMessageBox::No;
    QVERIFY(downloadAndDecline(driver, emulator));

    const bool converted = asked && answerYes;
    QByteArray european = builtIn;
    european.replace(',', ';').replace('.', ',');
    const QByteArray expected = converted ? european : builtIn;

    // The first .csv asks (only where decimals are written with a comma) ...
    driver.saveAs = QStringList{dir.filePath("first.csv")};
    QVERIFY(driver.press("saveBtn"));
    QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
    QCOMPARE(contents(dir.filePath("first.csv")), expected);
    QCOMPARE(QSettings().value(SettingsKeys::ConvertData),
             asked ? QVariant(answerYes) : QVariant());
    if (converted)
        QCOMPARE(expected.split('\n').at(1),
                 QByteArray("1;2024-04-08;08:30:35;Hillside Farm;INV1-S01;739,2;9,51;855;38,9;"
                            "981,8;0,28;PASS\r"));

    // ... a .txt file is never converted, and the stored answer is not asked again ...
    driver.saveAs = QStringList{dir.filePath("plain.txt")};
    QVERIFY(driver.press("saveBtn"));
    QCOMPARE(contents(dir.filePath("plain.txt")), builtIn);

    // ... and counts for every later .csv file, whatever case its suffix is in.
    driver.saveAs = QStringList{dir.filePath("RESULTS.CSV")};
    QVERIFY(driver.press("saveBtn"));
    QCOMPARE(contents(dir.filePath("RESULTS.CSV")), expected);
    QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
}

void TestSaving::failedSave_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("message"); // %1: the file name

    QTest::newRow("read-only file")
        << true << "Error opening \"%1\" for writing. Is it open already or read only?";
    // The file-size limit stands in for a full disk: the file opens, the writing fails.
    QTest::newRow("disk full") << false << "Error saving \"%1\": ";
}

void TestSaving::failedSave()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, message);

    QTemporaryDir dir;
    TesterEmulatorProcess emulator;
    MainWindow window;
    UiDriver driver(&window);
    QVERIFY(downloadAndDecline(driver, emulator));

    const QString target = dir.filePath("results.csv");
    const QByteArray old("results of last week\r\n");
    write(target, old);
    if (readOnly)
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    const QString previous = dir.filePath("previous.csv");
    QSettings().setValue(SettingsKeys::LastSavedFilePath, previous);

    rlimit unlimited{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    if (!readOnly) {
        driver.onSaveDialog = [&] {
            const rlimit small{4096, unlimited.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &small);
        };
        driver.onBox = [&](const UiDriver::Box &) { ::setrlimit(RLIMIT_FSIZE, &unlimited); };
    }
    driver.saveAs = QStringList{target};
    QVERIFY(driver.press("saveBtn"));
    ::setrlimit(RLIMIT_FSIZE, &unlimited);

    QCOMPARE(driver.boxes.size(), 1);
    const QString text = driver.boxes.first().text, expected = message.arg(target);
    // The reason follows what could not be written.
    QVERIFY2(text.startsWith(expected) && (readOnly || text.size() > expected.size() + 3),
             qPrintable(text));
    // Nothing reports success, nothing is lost, nothing is left behind.
    QVERIFY(driver.statusText() != QStringLiteral("File successfully saved"));
    QCOMPARE(contents(target), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.csv"});
    QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(), previous);

    // The data is still there for another try.
    driver.onSaveDialog = nullptr;
    driver.saveAs = QStringList{dir.filePath("elsewhere.csv")};
    QVERIFY(driver.press("saveBtn"));
    QCOMPARE(contents(dir.filePath("elsewhere.csv")), builtIn);
    QCOMPARE(QSettings().value(SettingsKeys::LastSavedFilePath).toString(),
             dir.filePath("elsewhere.csv"));
}

void TestSaving::aboutShowsTheVersion()
{
    MainWindow window;
    UiDriver driver(&window);
    window.findChild<QAction *>("actionAbout")->trigger();
    QTRY_COMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.first().title, QStringLiteral("About Marlune DataLogger"));
    QCOMPARE(driver.boxes.first().text, QStringLiteral("Marlune DataLogger\n\n 3.1\n"));
}

void TestSaving::helpPage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("page");

    QTest::newRow("German") << "de_DE"
                            << "DravlinSolarDataLoggerHelp_de.html";
    QTest::newRow("English, British") << "en_GB"
                                      << "DravlinSolarDataLoggerHelp_en.html";
    QTest::newRow("English, American") << "en_US"
                                       << "DravlinSolarDataLoggerHelp_en.html";
}

void TestSaving::helpPage()
{
    QFETCH(QString, locale);
    QFETCH(QString, page);

    QLocale::setDefault(QLocale(locale));
    MainWindow window;
    window.findChild<QAction *>("actionHelp")->trigger();
    const QString path = QCoreApplication::applicationDirPath() + "/Help/" + page;
    QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(path)});
    QVERIFY2(QFile::exists(path), qPrintable(path)); // the build puts the pages there
}

void TestSaving::openShowsTheSavedFile()
{
    QTemporaryDir dir;
    TesterEmulatorProcess emulator;
    MainWindow window;
    UiDriver driver(&window);

    // Before any save there is nothing to open.
    QMetaObject::invokeMethod(&window, "openFile");
    QVERIFY(openedUrls.isEmpty());

    QVERIFY(downloadAndDecline(driver, emulator));
    const QString target = dir.filePath("site A.csv");
    driver.saveAs = QStringList{target};
    QVERIFY(driver.press("saveBtn"));
    QVERIFY(driver.press("openBtn"));
    QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});

    // A cancelled save dialog leaves nothing to open.
    driver.saveAs.clear();
    QVERIFY(driver.press("saveBtn"));
    QVERIFY(driver.press("openBtn"));
    QCOMPARE(openedUrls.size(), 1);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestSaving test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_saving.moc"
