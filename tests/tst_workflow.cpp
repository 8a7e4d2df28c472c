// The main window's flow through the real window against the tester emulator on a
// pseudo-terminal: a whole download (into the archive and File > History), Cancel, ports that
// fail, lines that drop, closing in the middle, saving, the History, Help and Open. The line
// itself: tst_downloadsession; files: tst_saveddata.
#include "ArchiveFiles.h"
#include "ExampleData.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "archive/Archive.h"
#include "common/Settings.h"
#include "download/DownloadSession.h"
#include "gui/CompletenessIndicator.h"
#include "gui/HistoryModel.h"
#include "gui/MainWindow.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/ResultsWindow.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace TestSupport;

namespace {

// Saves the window's data with the Save button as path; what the file then holds.
QByteArray saved(UiDriver &driver, const QString &path)
{
    driver.saveAs = QStringList{path};
    return driver.press("saveBtn") ? contents(path) : QByteArray("<not saved>");
}

// A window and its driver, pointed at the latest tester emulator.
struct Rig
{
    bool start(const QStringList &arguments)
    {
        const bool started = emulators.start(arguments);
        driver.setPort(devicePath());
        return started;
    }
    QString devicePath() const { return emulators.devicePath(); }
    // Downloads the built-in results and declines the save dialog, leaving the data to Save.
    bool downloadAndDecline()
    {
        return start({"--baud", "0"}) && driver.download(20000) &&
               driver.seen == QStringList{"QFileDialog"} && driver.button("saveBtn")->isVisible();
    }

    EmulatorRig emulators;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    UiDriver driver{window.get()};
};

// What File > History showed: its rows, the text of the selected download, the line shown
// when there is none, and Save As and Open enabled.
struct Seen
{
    int rows = -1;
    QStringList firstRow;
    QString text, emptyLine;
    bool saveAs = false, open = false;
};

Seen seenIn(QWidget *history)
{
    Seen seen;
    auto *table = history->findChild<QTableView *>("downloads");
    seen.rows = table->model()->rowCount();
    for (int column = 0; seen.rows > 0 && column < table->model()->columnCount(); ++column)
        seen.firstRow.append(table->model()->index(0, column).data().toString());
    seen.text = history->findChild<QPlainTextEdit *>("downloadText")->toPlainText();
    auto *empty = history->findChild<QLabel *>("emptyLine");
    seen.emptyLine = empty->isVisible() ? empty->text() : QString();
    seen.saveAs = history->findChild<QPushButton *>("saveAsBtn")->isEnabled();
    seen.open = history->findChild<QPushButton *>("openBtn")->isEnabled();
    return seen;
}

// Opens File > History in window; act runs while it is shown, then it is closed. What it
// showed before act, and after.
QPair<Seen, Seen> showHistory(QWidget *window, UiDriver &driver,
                              const std::function<void(QWidget *)> &act = {})
{
    QPair<Seen, Seen> seen;
    driver.handlers.insert("HistoryWindow", [&](QWidget *history) {
        seen.first = seenIn(history);
        if (act)
            act(history);
        seen.second = seenIn(history);
        history->close();
    });
    window->findChild<QAction *>("actionHistory")->trigger();
    driver.handlers.remove("HistoryWindow");
    return seen;
}

// Once the button shows again after being hidden, clicks it from a queued event, as a click
// that waited in the queue.
struct ClickWhenShown : QObject
{
    explicit ClickWhenShown(QPushButton *button) : button(button)
    {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        hidden = hidden || event->type() == QEvent::Hide;
        if (event->type() == QEvent::Show && hidden && clicks++ == 1)
            QMetaObject::invokeMethod(
                button, [this] { QTest::mouseClick(button, Qt::LeftButton); },
                Qt::QueuedConnection);
        return false;
    }
    QPushButton *button;
    bool hidden = false;
    int clicks = 1; // the one that started the download
};

} // namespace

class TestWorkflow : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    QTemporaryDir dir;
    std::unique_ptr<QTemporaryDir> home; // the data folder of each case, with its archive
    QList<QUrl> openedUrls;
    // Once a whole download failed, every later one would only wait out its time limit.
    bool protocolBroken = false;

public slots:
    void openUrl(const QUrl &url) { openedUrls.append(url); }

private slots:
    void initTestCase()
    {
        builtIn = TesterEmulatorProcess::builtInData();
        QVERIFY(builtIn.startsWith("Record,Date,Time,Site,String,"));
        QVERIFY(dir.isValid());
        std::signal(SIGXFSZ, SIG_IGN); // past the file-size limit: EFBIG, not death
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
    }

    void init()
    {
        if (protocolBroken)
            QSKIP("an earlier download failed: the tester is not answering");
        home = std::make_unique<QTemporaryDir>(); // Archive::defaultPath() follows it
        qputenv("XDG_DATA_HOME", home->path().toUtf8());
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        openedUrls.clear();
    }

    void wholeDownload_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QVariant>("storedTimeout"); // "Device/ReadTimeout" before, null: absent
        QTest::addColumn<QString>("archive"); // "damaged", "unwritable", "held" or empty: fine

        const QStringList unpaced{"--baud", "0"};
        const QStringList paced{"--baud", "115200", "--data", dir.filePath("part.csv")};
        QTest::newRow("time-out absent") << unpaced << QVariant() << QString();
        // Brought into the safe range for the session, and left as the user wrote it.
        QTest::newRow("time-out negative, paced line") << paced << QVariant("-20") << QString();
        // Like an adapter pulled out: the session ends by itself, and what came is kept.
        QTest::newRow("line drops after data")
            << (unpaced + QStringList{"--hangup-after", "3000"}) << QVariant() << QString();
        // The download ends in the pause: the Results and the completeness warning tell.
        QTest::newRow("a pause longer than the read time-out")
            << (unpaced + QStringList{"--pause-after", "5000", "--pause-ms", "1500"}) << QVariant()
            << QString();
        // Told once in a box after the save dialog, and replaced.
        QTest::newRow("damaged archive") << unpaced << QVariant() << "damaged";
        // Told in the status bar; the download goes on to its save dialog all the same.
        QTest::newRow("archive cannot be written") << unpaced << QVariant() << "unwritable";
        // Another program writes to the archive until the save dialog shows: the dialog does
        // not wait for the download's store, which follows once the archive is free.
        QTest::newRow("archive held by another program") << unpaced << QVariant() << "held";
    }

    // The text streaming into the box, the session ending by itself, the save dialog at the
    // folder of the last save, the file and the status; the download kept in the archive
    // without a dialog of its own, and in File > History.
    void wholeDownload()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QVariant, storedTimeout);
        QFETCH(QString, archive);

        if (archive == "damaged") {
            QVERIFY(QDir().mkpath(QFileInfo(Archive::defaultPath()).path()));
            QVERIFY(
                put(Archive::defaultPath(), QByteArray("not an archive at all ").repeated(200)));
        } else if (archive == "unwritable") {
            // Where the program's data folder should be, a file: nothing can be created.
            QVERIFY(put(home->filePath("DRAVLIN"), "a file"));
        } else { // the site's design, so that the Results window can make a report
            Archive designs;
            QVERIFY(designs.open(Archive::defaultPath()));
            QVERIFY(designs.storeDesign(ExampleData::design().site, ExampleData::designJson()));
        }
        std::optional<RawConnection> holder;
        if (archive == "held") {
            holder.emplace(Archive::defaultPath());
            QVERIFY(holder->exec("BEGIN IMMEDIATE"));
        }
        const bool lost = arguments.contains("--hangup-after");

        // At the shortest time-out a paced line sends only what takes ~45 ms, so that a
        // loaded machine stalling the emulator is unlikely to cut it.
        const QByteArray part = arguments.contains("--data") ? builtIn.left(500) : builtIn;
        QVERIFY(put(dir.filePath("part.csv"), part));
        // A line that drops or pauses ends the download at that byte.
        const int cut =
            qMax(arguments.indexOf("--hangup-after"), arguments.indexOf("--pause-after"));
        const QByteArray sent = cut < 0 ? part : part.left(arguments.value(cut + 1).toInt());
        if (!storedTimeout.isNull())
            Settings::setValue(Settings::Key::ReadTimeout, storedTimeout);
        QVERIFY(QDir(dir.path()).mkpath("earlier"));
        const QString earlier = dir.filePath("earlier/last week.csv");
        Settings::setValue(Settings::Key::LastSavedFilePath, earlier);
        Rig rig;
        QVERIFY2(rig.start(arguments), "the tester emulator did not start");
        UiDriver &driver = rig.driver;
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        driver.saveAs = QStringList{target};
        bool sessionOverAtDialog = false;
        QString statusAtDialog;
        bool heldAtDialog = false;
        driver.onSaveDialog = [&] {
            sessionOverAtDialog = !driver.button("cancelBtn")->isVisible();
            statusAtDialog = driver.statusText();
            heldAtDialog = holder && holder->exec("COMMIT");
        };

        protocolBroken = !driver.download(20000) || driver.seen.value(0) != "QFileDialog";
        QVERIFY2(!protocolBroken, qPrintable("no download with its save dialog within 20 s: " +
                                             driver.seen.join(',')));

        const bool damaged = archive == "damaged";
        QCOMPARE(driver.seen, damaged ? (QStringList{"QFileDialog", "QMessageBox"})
                                      : QStringList{"QFileDialog"});
        if (damaged)
            QVERIFY2(driver.boxes.value(0).text.contains("was damaged. It was moved aside as"),
                     qPrintable(driver.boxes.value(0).text));
        QVERIFY(sessionOverAtDialog);
        QCOMPARE(heldAtDialog, archive == "held");
        QCOMPARE(driver.saveDialogFolder, dir.filePath("earlier"));
        QCOMPARE(driver.saveDialogFiles, QStringList{earlier});
        QCOMPARE(contents(target), sent);
        QCOMPARE(driver.outputText(), linesOf(sent));
        const QString status =
            !lost ? QStringLiteral("Bytes received: %1").arg(QLocale().toString(sent.size()))
                  : QStringLiteral("The connection to the device was lost. The data received "
                                   "so far is kept.");
        if (archive == "unwritable")
            QVERIFY2(statusAtDialog.startsWith(status + "  This download was not archived: "),
                     qPrintable(statusAtDialog));
        else
            QCOMPARE(statusAtDialog, status);
        QCOMPARE(driver.statusText(), QStringLiteral("File successfully saved"));
        QCOMPARE(stored(Settings::Key::ReadTimeout).toString(),
                 storedTimeout.isNull() ? "110" : storedTimeout.toString());
        QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), target);
        QVERIFY(driver.press("openBtn"));
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});
        if (!lost) // a line that dropped has no port left to open
            QVERIFY(portIsFree(rig.devicePath()));

        // The completeness check runs beside the window: asked again, the answer comes later.
        const bool complete = sent == builtIn;
        auto *indicator = rig.window->findChild<CompletenessIndicator *>();
        for (int asked = 0; asked < 2; ++asked) {
            QTRY_VERIFY2_WITH_TIMEOUT(!indicator->isChecking(), "the completeness check", 10000);
            QCOMPARE(indicator->isVisible(), !complete);
            if (!complete)
                QVERIFY(indicator->toolTip().contains(indicator->warnings().constFirst()));
            if (arguments.contains("--pause-after"))
                QVERIFY(
                    indicator->warnings().constFirst().startsWith("The last record is incomplete"));
            if (asked == 0) {
                indicator->showFor(rig.window->findChild<DownloadSession *>()->data());
                QVERIFY(indicator->isChecking() && indicator->warnings().isEmpty());
            }
        }
        // View > Results of the download.
        rig.window->findChild<QAction *>("actionResults")->trigger();
        auto *results = rig.window->findChild<ResultsWindow *>();
        QVERIFY(results && results->isVisible());
        QCOMPARE(results->summary().isComplete(), complete);
        QCOMPARE(results->summary().records() == builtIn.count('\n') - 1, complete);

        // Told once: the History opens without another box.
        const Seen history = showHistory(rig.window.get(), driver).first;
        QCOMPARE(driver.boxes.size(), damaged ? 1 : 0);
        if (archive == "unwritable") {
            QCOMPARE(history.rows, 0);
            QVERIFY2(history.emptyLine.contains("cannot be"), qPrintable(history.emptyLine));
            return;
        }
        QCOMPARE(history.rows, 1);
        Archive stored;
        QVERIFY(stored.open(Archive::defaultPath()));
        const DownloadSummary summary = stored.list()->value(0);
        QCOMPARE(summary.portName, rig.devicePath());
        if (storedTimeout.isNull())
            QCOMPARE(summary.readTimeoutMs, 110);
        QCOMPARE(stored.data(summary.id).value_or(QByteArray()), sent);
        QCOMPARE(summary.lastSavedPath, target);
        QCOMPARE(summary.ending, lost ? DownloadEnding::LineLost : DownloadEnding::Silence);
        // The report's trace names the download the archive keeps, not a file (a part holds
        // no string of the designed site).
        if (complete && (archive.isEmpty() || archive == "held")) {
            ReportPreviewDialog *preview = results->openReport();
            QVERIFY(preview);
            const QString text = preview->browser()->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("download %1 in the archive").arg(summary.id)),
                     qPrintable(text.right(600)));
            preview->close();
        }
    }

    void strayClicks_data()
    {
        QTest::addColumn<bool>("doubleClick");
        // A click waiting while the session ends must not start a session that empties the
        // data before its save dialog: Download takes no click until the data is saved.
        QTest::newRow("a click as the session ends") << false;
        // The second click comes during the wait before the commands and must not press the
        // Cancel that by then stands where Download was.
        QTest::newRow("a double click") << true;
    }

    void strayClicks()
    {
        QFETCH(bool, doubleClick);
        Rig rig;
        QVERIFY2(rig.start({"--baud", "0"}), "the tester emulator did not start");
        QPushButton *download = rig.driver.button("downloadBtn");
        const QString target = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        rig.driver.saveAs = QStringList{target};
        if (doubleClick) {
            QWindow *window = rig.window->windowHandle();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QPoint at = download->mapTo(rig.window.get(), download->rect().center());
            QWidget *underSecondClick = nullptr;
            QTimer::singleShot(200, rig.window.get(), [&] {
                download->parentWidget()->layout()->activate(); // as drawn once Cancel shows
                underSecondClick = rig.window->childAt(at);
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
            });
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
            QVERIFY2(QTest::qWaitFor(
                         [&] {
                             return underSecondClick && !QApplication::activeModalWidget() &&
                                    download->isVisible();
                         },
                         20000),
                     "the download did not end within 20 s of the double click");
            QCOMPARE(underSecondClick, static_cast<QWidget *>(rig.driver.button("cancelBtn")));
        } else {
            bool takesClicksAtDialog = true;
            rig.driver.onSaveDialog = [&] { takesClicksAtDialog = download->isEnabled(); };
            ClickWhenShown clicker(download);
            QVERIFY2(rig.driver.download(20000), "the download did not end within 20 s");
            QCOMPARE(clicker.clicks, 2);
            QVERIFY(!takesClicksAtDialog);
            QVERIFY2(download->isEnabled(), "Download takes no click after the save");
        }
        QCOMPARE(rig.driver.seen, QStringList{"QFileDialog"});
        QCOMPARE(contents(target), builtIn);
    }

    void interrupted_data()
    {
        QTest::addColumn<QStringList>("arguments"); // empty: a port that does not exist
        QTest::addColumn<bool>("afterData");
        // cancel, close (the window), NUL (cancel once the session found the line sends only
        // NUL), or the reason of a failure the session ends on by itself
        QTest::addColumn<QString>("ending");

        // Time-outs keep coming while the tester says nothing; none ends the session.
        const QStringList silent{"--baud", "0", "--ignore-commands"};
        // A slow line and a long time-out: only the user ends this session.
        const QStringList slow{"--baud", "2400"};
        QTest::newRow("cancel before any data, the line sends only NUL")
            << silent << false << "NUL";
        QTest::newRow("cancel after part of the data") << slow << true << "cancel";
        QTest::newRow("window closed while receiving") << slow << true << "close";
        QTest::newRow("no such device")
            << QStringList() << false
            << "No such device. Check that the adapter is plugged in, then press Refresh Ports.";
        QTest::newRow("line drops before any data")
            << QStringList{"--baud", "0", "--hangup-after", "0"} << false
            << "The connection to the device was lost before any data arrived.";
    }

    // Cancel or closing the window frees the port, and a session with data is kept in the
    // archive as it ended. A failure shows the Warning with the reason; then idle, with
    // nothing of an earlier download left to save or to open.
    void interrupted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, afterData);
        QFETCH(QString, ending);
        const bool fails = !QStringList{"cancel", "close", "NUL"}.contains(ending);

        Settings::setValue(Settings::Key::ReadTimeout, afterData ? 5000 : 110);
        Rig rig;
        UiDriver &driver = rig.driver;
        if (fails) {
            QVERIFY2(rig.downloadAndDecline(), "no download with its save dialog within 20 s");
            QCOMPARE(saved(driver, dir.filePath(QTest::currentDataTag() + QString(" before.csv"))),
                     builtIn);
            QVERIFY(driver.button("openBtn")->isVisible());
            driver.seen.clear();
        }
        if (arguments.isEmpty())
            driver.setPort("/dev/ml-no-such-port");
        else
            QVERIFY2(rig.start(arguments), "the tester emulator did not start");

        if (fails) {
            QVERIFY2(driver.download(15000), "the download did not end within 15 s");
            QCOMPARE(driver.seen, QStringList{"QMessageBox"});
            QCOMPARE(driver.boxes.value(0).text, QStringLiteral("Failed to connect. Please check "
                                                                "the device is connected and "
                                                                "switched on"));
            QCOMPARE(driver.boxes.value(0).informative, ending);
            QVERIFY(driver.outputText().isEmpty());
            driver.seen.clear();
        } else {
            QVERIFY(driver.press("downloadBtn"));
        }
        if (ending == "NUL") // the finding itself: tst_downloadsession
            QVERIFY(QMetaObject::invokeMethod(rig.window->findChild<DownloadSession *>(),
                                              "lineSendsOnlyNul"));
        if (afterData)
            QTRY_VERIFY_WITH_TIMEOUT(driver.outputText().size() > 100, 10000);
        else if (!fails)
            QTest::qWait(300);
        if (ending == "NUL") // still there after the time-outs that followed
            QCOMPARE(driver.statusText(), QStringLiteral("The line sends only NUL bytes. Check "
                                                         "the cable and the tester."));
        if (ending == "close") {
            // As the start-up cycle does: the window closes, then goes.
            rig.window->close();
            rig.window.reset();
            QCoreApplication::processEvents();
            QCOMPARE(stored(Settings::Key::PortName).toString(), rig.devicePath());
        } else {
            QVERIFY(fails || driver.press("cancelBtn"));
            QVERIFY(driver.button("downloadBtn")->isVisible());
            QCOMPARE(driver.button("saveBtn")->isVisible(), afterData);
            QVERIFY(!driver.button("openBtn")->isVisible()); // no saved file holds this data
            QVERIFY2(driver.statusText().startsWith(afterData ? "Bytes received: "
                                                              : "Please select a port"),
                     qPrintable(driver.statusText()));
        }
        // A line that dropped took the emulator's port with it.
        QVERIFY(arguments.contains("--hangup-after") || portIsFree(rig.devicePath()));
        QTest::qWait(200); // nothing of the ended session comes late
        QCOMPARE(driver.seen, QStringList());
        if (afterData) {
            Archive archive;
            QVERIFY(archive.open(Archive::defaultPath()));
            const DownloadSummary kept = archive.list()->value(0); // the newest
            QCOMPARE(kept.ending,
                     ending == "close" ? DownloadEnding::Interrupted : DownloadEnding::Cancelled);
            QCOMPARE(kept.portName, rig.devicePath());
            QCOMPARE(kept.readTimeoutMs, 5000);
            const QByteArray data = archive.data(kept.id).value_or(QByteArray());
            QVERIFY(data.size() > 100 && builtIn.startsWith(data));
        }
    }

    void saving_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("answerYes"); // to the European question
        QTest::addColumn<QString>("failure");

        QTest::newRow("German, converted") << "de_DE" << true << QString();
        QTest::newRow("German, not converted") << "de_DE" << false << QString();
        QTest::newRow("English, decimal point") << "en_GB" << true << QString();
        QTest::newRow("read-only file") << "en_GB" << true << "read-only";
        // The file-size limit stands in for a full disk: the file opens, the writing fails.
        QTest::newRow("disk full") << "en_GB" << true << "full";
    }

    // The European question on the first .csv; a failed save says which file and why, reports
    // no success, stores nothing and keeps the data for another try.
    void saving()
    {
        QFETCH(QString, locale);
        QFETCH(bool, answerYes);
        QFETCH(QString, failure);

        QLocale::setDefault(QLocale(locale));
        QTemporaryDir saves;
        Rig rig;
        UiDriver &driver = rig.driver;
        driver.reply = answerYes ? QMessageBox::Yes : QMessageBox::No;
        QVERIFY2(rig.downloadAndDecline(), "no download with its save dialog within 20 s");
        if (failure.isEmpty()) {
            const bool asked = locale == "de_DE"; // only where decimals are written with a comma
            QByteArray expected = builtIn; // semicolons and decimal commas, byte for byte as long
            if (asked && answerYes)
                expected.replace(',', ';').replace('.', ',');
            QCOMPARE(saved(driver, saves.filePath("first.csv")), expected);
            QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
            QCOMPARE(stored(Settings::Key::ConvertData), asked ? QVariant(answerYes) : QVariant());
            // A .txt file is never converted; the answer counts for every later .csv.
            QCOMPARE(saved(driver, saves.filePath("plain.txt")), builtIn);
            QCOMPARE(saved(driver, saves.filePath("RESULTS.CSV")), expected);
            QCOMPARE(driver.boxes.size(), asked ? 1 : 0);
            return;
        }

        const QString target = saves.filePath("results.csv");
        QVERIFY(put(target, "results of last week\r\n"));
        if (failure == "read-only")
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
        const QString previous = saves.filePath("previous.csv");
        Settings::setValue(Settings::Key::LastSavedFilePath, previous);
        rlimit unlimited{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        if (failure == "full") {
            driver.onSaveDialog = [&] {
                const rlimit small{4096, unlimited.rlim_max};
                ::setrlimit(RLIMIT_FSIZE, &small);
            };
            driver.onBox = [&](const UiDriver::Box &) { ::setrlimit(RLIMIT_FSIZE, &unlimited); };
        }
        saved(driver, target);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(driver.boxes.size(), 1);
        const UiDriver::Box box = driver.boxes.first();
        const QString expected =
            (failure == "full" ? QStringLiteral("Error saving \"%1\": ")
                               : QStringLiteral("Error opening \"%1\" for writing. Is it open "
                                                "already or read only?"))
                .arg(target);
        QVERIFY2(box.text.startsWith(expected), qPrintable(box.text));
        // The system's reason, after the text or under it.
        QVERIFY2(box.text.size() > expected.size() + 3 || box.informative.size() > 3,
                 qPrintable(box.informative));
        QVERIFY(driver.statusText() != QStringLiteral("File successfully saved"));
        QVERIFY(!driver.button("openBtn")->isVisible());
        QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), previous);
        driver.onSaveDialog = nullptr;
        QCOMPARE(saved(driver, saves.filePath("elsewhere.csv")), builtIn);
    }

    void history_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("how"); // none, button, key, save
        QTest::addColumn<int>("reply");   // a QMessageBox::StandardButton
        QTest::addColumn<int>("left");

        QTest::newRow("empty archive") << 0 << "none" << int(QMessageBox::No) << 0;
        QTest::newRow("delete declined") << 2 << "button" << int(QMessageBox::No) << 2;
        QTest::newRow("delete confirmed with the Delete key")
            << 2 << "key" << int(QMessageBox::Yes) << 1;
        QTest::newRow("the last one deleted") << 1 << "button" << int(QMessageBox::Yes) << 0;
        // The case the archive is for: a download never saved, the program started again; the
        // History saves it (bit 7 cleared) and opens it in a Results window.
        QTest::newRow("saved, bit 7 set") << 1 << "save" << int(QMessageBox::No) << 1;
    }

    // File > History of an empty archive, deleting the selected download (asked first), and
    // saving one.
    void history()
    {
        QFETCH(int, count);
        QFETCH(QString, how);
        QFETCH(int, reply);
        QFETCH(int, left);

        const auto dataOf = [&](int n) {
            return how == "save" ? QByteArray(builtIn).replace('R', char('R' | 0x80))
                                 : QByteArray("Record,Result\r\n1,PASS\r\n").repeated(n + 1);
        };
        QVector<qint64> ids;
        {
            Archive archive;
            QVERIFY(archive.open(Archive::defaultPath()));
            for (int n = 0; n < count; ++n)
                ids.prepend(archive.store(downloadOf(dataOf(n), "COM3", 1700000000000 + n * 60000))
                                .value_or(0));
        }
        MainWindow window;
        UiDriver driver(&window);
        driver.reply = QMessageBox::StandardButton(reply);
        const QString target = home->filePath("from the history.csv");
        QString resultsTitle;
        const auto [seen, after] = showHistory(&window, driver, [&](QWidget *history) {
            if (how == "button")
                history->findChild<QPushButton *>("deleteBtn")->click();
            else if (how == "key")
                QTest::keyClick(history->findChild<QTableView *>("downloads"), Qt::Key_Delete);
            if (how != "save")
                return;
            driver.saveAs = QStringList{target};
            history->findChild<QPushButton *>("saveAsBtn")->click();
            history->findChild<QPushButton *>("resultsBtn")->click();
            if (auto *results = history->findChild<ResultsWindow *>())
                resultsTitle = results->windowTitle();
        });
        QCOMPARE(seen.rows, count);
        if (count == 0) {
            QVERIFY2(seen.emptyLine.contains("will appear here"), qPrintable(seen.emptyLine));
            QVERIFY(!seen.saveAs && seen.text.isEmpty() && driver.boxes.isEmpty());
            return;
        }
        QCOMPARE(seen.emptyLine + seen.text, linesOf(sevenBit(dataOf(count - 1))));
        QCOMPARE(seen.firstRow.value(HistoryModel::SavedAs), QStringLiteral("not saved"));
        QCOMPARE(seen.firstRow.value(HistoryModel::Ending), QStringLiteral("Finished"));
        QVERIFY(seen.saveAs && !seen.open);
        if (how == "save") {
            QVERIFY(seen.firstRow.value(HistoryModel::Records).toInt() > 0);
            QCOMPARE(driver.seen, (QStringList{"HistoryWindow", "QFileDialog"}));
            QCOMPARE(contents(target), builtIn);
            QCOMPARE(after.firstRow.value(HistoryModel::SavedAs), target);
            QVERIFY(after.open);
            QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), target);
            QVERIFY2(resultsTitle.contains("from the history.csv"), qPrintable(resultsTitle));
            // The Results window stays open once the History is closed.
            const auto *results = window.findChild<ResultsWindow *>();
            QVERIFY(results && results->isVisible() && results->windowTitle() == resultsTitle);
            return;
        }
        QCOMPARE(driver.boxes.size(), 1);
        QVERIFY2(driver.boxes[0].text.startsWith("Delete the download of"),
                 qPrintable(driver.boxes[0].text));

        Archive archive;
        QVERIFY(archive.open(Archive::defaultPath()));
        const QVector<DownloadSummary> list = archive.list().value_or(QVector<DownloadSummary>());
        QCOMPARE(list.size(), left);
        // The newest, selected first, is the one deleted.
        if (left > 0)
            QCOMPARE(list.last().id, ids.last());
        if (left < count)
            QVERIFY(!archive.summary(ids.first()));
    }

    // Help opens the page of the language; without pages it names the folder. (Which page
    // is found where: tst_commandline.)
    void helpPage()
    {
        const QString folder = QCoreApplication::applicationDirPath() + "/Help";
        const QString page = folder + "/DravlinSolarDataLoggerHelp_de.html";
        QVERIFY2(QFile::exists(page), qPrintable(page)); // the build puts the pages there
        QLocale::setDefault(QLocale("de_DE"));
        MainWindow window;
        UiDriver driver(&window);
        window.findChild<QAction *>("actionHelp")->trigger();
        QCOMPARE(openedUrls, QList<QUrl>{QUrl::fromLocalFile(page)});
        QVERIFY(driver.boxes.isEmpty());

        openedUrls.clear();
        QVERIFY(QDir().rename(folder, folder + ".aside"));
        window.findChild<QAction *>("actionHelp")->trigger();
        QDir().rename(folder + ".aside", folder);
        QVERIFY(openedUrls.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(driver.boxes.size(), 1, 5000); // the box naming the folder
        QVERIFY2(driver.boxes.first().text.contains(folder), qPrintable(driver.boxes.first().text));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestWorkflow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_workflow.moc"
