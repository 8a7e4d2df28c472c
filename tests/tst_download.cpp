// A download as the user meets it, through the real window against the tester
// emulator on a pseudo-terminal: the whole download and the file it leaves,
// Cancel, a port that cannot be opened, a line that drops, and closing the
// window in the middle of a session.
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/SettingsKeys.h"
#include "app/StartupCycle.h"
#include "mainwindow/MainWindow.h"
#include "serial/WinSerialDeviceAsync.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray withBit7(QByteArray bytes, bool set)
{
    for (char &byte : bytes)
        byte = static_cast<char>(set ? byte | 0x80 : byte & 0x7F);
    return bytes;
}

// What the output box should show of a whole stream: all of its text, without
// NUL bytes and carriage returns, however the stream was cut into chunks.
QString viewOf(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes.constData(), bytes.size());
    text.remove(QChar(0));
    text.remove(QLatin1Char('\r'));
    return text;
}

// The window has let the port go when it can be opened again at once.
bool portIsFree(const QString &path)
{
    Ml::WinSerialDeviceAsync probe(nullptr, path);
    const bool opened = probe.open(QIODevice::ReadWrite, 50);
    probe.close();
    return opened;
}

} // namespace

class TestDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void wholeDownload_data();
    void wholeDownload();
    void lineDropsAfterData();
    void cancel_data();
    void cancel();
    void endlessNulBytes();
    void failedOpen_data();
    void failedOpen();
    void closingMidSession_data();
    void closingMidSession();

private:
    QByteArray builtIn;
    QTemporaryDir dir;
};

void TestDownload::initTestCase()
{
    builtIn = TesterEmulatorProcess::builtInData();
    QVERIFY(builtIn.size() > 10000);
    QVERIFY(dir.isValid());
}

void TestDownload::init()
{
    QSettings().clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestDownload::wholeDownload_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("data");        // sent with --data; empty: the built-in results
    QTest::addColumn<QVariant>("storedTimeout"); // "Device/ReadTimeout" before, null: absent
    QTest::addColumn<int>("usedTimeout");        // and after

    const QStringList unpaced{"--baud", "0"};
    QTest::newRow("built-in results") << unpaced << QByteArray() << QVariant() << 110;
    QTest::newRow("bit 7 set on every byte")
        << (unpaced + QStringList{"--bit7"}) << QByteArray() << QVariant() << 110;
    QTest::newRow("NUL bytes before the commands")
        << (unpaced + QStringList{"--nul-prefix", "300"}) << QByteArray() << QVariant() << 110;
    QTest::newRow("paced 115200 baud, time-out 250")
        << QStringList{"--baud", "115200"} << QByteArray() << QVariant(250) << 250;
    QTest::newRow("time-out not a number") << unpaced << QByteArray() << QVariant("abc") << 110;
    // 0 would end every read at once and cut the download after its first chunk.
    QTest::newRow("time-out 0") << unpaced << QByteArray() << QVariant(0) << 110;
    QTest::newRow("time-out negative") << unpaced << QByteArray() << QVariant(-20) << 110;
    // The pause after 13 bytes cuts the two bytes of the ü apart; the NUL must
    // not hide what follows it.
    QTest::newRow("character split between chunks, NUL inside")
        << (unpaced + QStringList{"--pause-after", "13", "--pause-ms", "300"})
        << QByteArray("Site,Temp\r\nD\xc3\xbcsseldorf S\xc3\xbc"
                      "d,25 \xc2\xb0"
                      "C\r\nA\0B,1\r\n",
                      43)
        << QVariant(2000) << 2000;
}

void TestDownload::wholeDownload()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, data);
    QFETCH(QVariant, storedTimeout);
    QFETCH(int, usedTimeout);

    if (!storedTimeout.isNull())
        QSettings().setValue(SettingsKeys::ReadTimeout, storedTimeout);
    if (!data.isEmpty()) {
        QFile file(dir.filePath("sent.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        arguments << "--data" << file.fileName();
    }
    const bool bit7 = arguments.contains("--bit7");
    QByteArray sent = data.isEmpty() ? builtIn : data;
    if (bit7)
        sent = withBit7(sent, true);

    TesterEmulatorProcess emulator;
    QVERIFY(emulator.start(arguments));
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(emulator.devicePath);
    const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
    driver.saveAs = QStringList{target};
    bool sessionOverAtDialog = false;
    driver.onSaveDialog = [&] { sessionOverAtDialog = !driver.button("cancelBtn")->isVisible(); };

    QVERIFY(driver.download());

    // The first silence after data ended the session and offered the data once.
    QCOMPARE(driver.saveDialogs, 1);
    QVERIFY(sessionOverAtDialog);
    QCOMPARE(driver.boxes.size(), 0);
    QCOMPARE(contents(target), withBit7(sent, false)); // the file is 7-bit text
    if (!bit7)
        QCOMPARE(driver.outputText(), viewOf(sent));
    QCOMPARE(window.findChild<QLabel *>("bytesReceivedLabel")->text(),
             QStringLiteral("Bytes received: %1").arg(QLocale().toString(sent.size())));
    QCOMPARE(driver.statusText(), QStringLiteral("File successfully saved"));
    QCOMPARE(QSettings().value(SettingsKeys::ReadTimeout).toInt(), usedTimeout);
    QVERIFY(portIsFree(emulator.devicePath));
}

void TestDownload::lineDropsAfterData()
{
    // Like an adapter pulled out: the session ends by itself, and what came is kept.
    TesterEmulatorProcess emulator;
    QVERIFY(emulator.start({"--baud", "0", "--hangup-after", "3000"}));
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(emulator.devicePath);
    driver.saveAs = QStringList{dir.filePath("kept.csv")};
    QString statusAtDialog;
    driver.onSaveDialog = [&] { statusAtDialog = driver.statusText(); };

    QVERIFY(driver.download(15000));
    QCOMPARE(driver.saveDialogs, 1);
    QCOMPARE(driver.boxes.size(), 0);
    QCOMPARE(
        statusAtDialog,
        QStringLiteral("The connection to the device was lost. The data received so far is kept."));
    QCOMPARE(contents(dir.filePath("kept.csv")), builtIn.left(3000));
}

void TestDownload::cancel_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<bool>("afterData");

    // Time-outs keep coming while the tester says nothing; none ends the session.
    QTest::newRow("before any data")
        << QStringList{"--baud", "0", "--ignore-commands"} << 110 << false;
    // A slow line, and a long time-out: only Cancel ends this session.
    QTest::newRow("after part of the data") << QStringList{"--baud", "2400"} << 5000 << true;
}

void TestDownload::cancel()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, timeout);
    QFETCH(bool, afterData);

    QSettings().setValue(SettingsKeys::ReadTimeout, timeout);
    TesterEmulatorProcess emulator;
    QVERIFY(emulator.start(arguments));
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(emulator.devicePath);

    QVERIFY(driver.press("downloadBtn"));
    QVERIFY(!window.findChild<QComboBox *>("comPorts")->isEnabled());
    if (afterData)
        QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
    else
        QTest::qWait(500);
    QVERIFY(driver.press("cancelBtn"));

    QVERIFY(driver.button("downloadBtn")->isVisible());
    QVERIFY(window.findChild<QComboBox *>("comPorts")->isEnabled());
    QCOMPARE(driver.button("saveBtn")->isVisible(), afterData);
    QVERIFY(portIsFree(emulator.devicePath));
    QTest::qWait(300); // nothing of the ended session comes late
    QCOMPARE(driver.seen, QStringList());
    QCOMPARE(driver.outputText().isEmpty(), !afterData);
    if (!afterData)
        return;

    // Save writes what had come, exactly what the box shows.
    const QString target = dir.filePath("partial.txt");
    driver.saveAs = QStringList{target};
    QVERIFY(driver.press("saveBtn"));
    const QByteArray saved = contents(target);
    QVERIFY(saved.size() > 100 && builtIn.startsWith(saved) && saved != builtIn);
    QCOMPARE(viewOf(saved), driver.outputText());
}

void TestDownload::endlessNulBytes()
{
    // A line that never stops sending NUL bytes (a receive wire held in break)
    // must not keep the window frozen in the drain: the session starts anyway
    // and can be cancelled.
    TesterEmulatorProcess emulator;
    QVERIFY(emulator.start({"--nul-prefix", "1000000"}));
    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(emulator.devicePath);
    QElapsedTimer frozen;
    frozen.start();
    QVERIFY(driver.press("downloadBtn"));
    QVERIFY2(frozen.elapsed() < 30000, "the window stayed frozen in the drain");
    QVERIFY(driver.press("cancelBtn"));
    QVERIFY(driver.outputText().isEmpty());
    QVERIFY(portIsFree(emulator.devicePath));
}

void TestDownload::failedOpen_data()
{
    QTest::addColumn<QString>("port");         // empty: the emulator's device, if started
    QTest::addColumn<QStringList>("emulator"); // its arguments; empty: not started
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("denied");
    QTest::addColumn<QString>("reason");

    const QStringList unpaced{"--baud", "0"};
    QTest::newRow("no port chosen")
        << "" << QStringList() << false << false
        << "No port is selected. Connect the adapter, then press Refresh Ports.";
    QTest::newRow("no such device")
        << "/dev/ml-no-such-port" << QStringList() << false << false
        << "No such device. Check that the adapter is plugged in, then press Refresh Ports.";
    QTest::newRow("held by another program")
        << "" << unpaced << true << false
        << "The port is in use by another program. Close the other program and try again.";
    QTest::newRow("no serial port")
        << "/dev/null" << QStringList() << false << false << "The system reported: ";
    QTest::newRow("no permission") << "" << unpaced << false << true << "Permission denied. ";
    // Like an adapter pulled out before the tester sent anything.
    QTest::newRow("line drops before any data")
        << "" << (unpaced + QStringList{"--hangup-after", "0"}) << false << false
        << "The connection to the device was lost before any data arrived.";
}

void TestDownload::failedOpen()
{
    QFETCH(QString, port);
    QFETCH(QStringList, emulator);
    QFETCH(bool, held);
    QFETCH(bool, denied);
    QFETCH(QString, reason);

    if (denied && ::geteuid() == 0)
        QSKIP("root may open any device");
    TesterEmulatorProcess tester;
    if (!emulator.isEmpty()) {
        QVERIFY(tester.start(emulator));
        port = tester.devicePath;
    }
    Ml::WinSerialDeviceAsync holder(nullptr, port);
    if (held)
        QVERIFY(holder.open(QIODevice::ReadWrite, 100));
    if (denied) {
        QVERIFY(QFile::setPermissions(port, QFileDevice::Permissions()));
        const QString group = QFileInfo(port).group();
        if (!group.isEmpty() && group != "root")
            reason = QStringLiteral("Permission denied. Add your user to the group \"%1\" that "
                                    "owns the port, then log out and log in again.")
                         .arg(group);
    }

    MainWindow window;
    UiDriver driver(&window);
    driver.setPort(port);
    QVERIFY(driver.download(15000));

    QCOMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(driver.boxes.first().text,
             QStringLiteral("Failed to connect. Please check the device is connected and "
                            "switched on"));
    const QString informative = driver.boxes.first().informative;
    QVERIFY2(informative.startsWith(reason) && informative.size() > 20, qPrintable(informative));
    QCOMPARE(driver.saveDialogs, 0);
    QVERIFY(!driver.button("saveBtn")->isVisible());
}

void TestDownload::closingMidSession_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("receiving");

    QTest::newRow("waiting for the tester") << QStringList{"--ignore-commands"} << false;
    QTest::newRow("receiving") << QStringList{"--baud", "2400"} << true;
}

void TestDownload::closingMidSession()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, receiving);

    QSettings().setValue(SettingsKeys::ReadTimeout, 5000);
    TesterEmulatorProcess emulator;
    QVERIFY(emulator.start(arguments));
    auto *window = new MainWindow;
    {
        UiDriver driver(window);
        driver.setPort(emulator.devicePath);
        QVERIFY(driver.press("downloadBtn"));
        if (receiving)
            QTRY_VERIFY_WITH_TIMEOUT(!driver.outputText().isEmpty(), 10000);
        QCOMPARE(driver.boxes.size(), 0);
    }
    // As the start-up cycle does: the window closes, then goes.
    window->close();
    delete window;
    QCoreApplication::processEvents();
    QVERIFY(portIsFree(emulator.devicePath));
    QCOMPARE(QSettings().value(SettingsKeys::PortName).toString(), emulator.devicePath);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestDownload test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_download.moc"
