// The archive through the real window against the tester emulator: sessions kept when they end,
// and File > History listing, showing, saving again and deleting (asked first).
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "app/StartupCycle.h"
#include "archive/Archive.h"
#include "common/Settings.h"
#include "gui/HistoryModel.h"
#include "gui/MainWindow.h"
#include "gui/ResultsWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TestSupport;

namespace {

// What the History showed, and what became of it.
struct Seen
{
    int rows = -1;
    QStringList firstRow;
    QString text;
    QString emptyLine;
    bool saveAsEnabled = false;
    bool openEnabled = false;
    QStringList firstRowAfter;
    bool openEnabledAfter = false;
    QString resultsTitle; // of a Results window opened from the History
};

QStringList rowOf(QTableView *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->model()->columnCount(); ++column)
        cells.append(table->model()->index(row, column).data().toString());
    return cells;
}

// Opens File > History in window; act runs while it is shown, then it is closed.
Seen showHistory(MainWindow *window, UiDriver &driver,
                 const std::function<void(QWidget *)> &act = {})
{
    Seen seen;
    driver.handlers.insert("HistoryWindow", [&](QWidget *history) {
        auto *table = history->findChild<QTableView *>("downloads");
        seen.rows = table->model()->rowCount();
        if (seen.rows > 0)
            seen.firstRow = rowOf(table, 0);
        seen.text = history->findChild<QPlainTextEdit *>("downloadText")->toPlainText();
        auto *empty = history->findChild<QLabel *>("emptyLine");
        seen.emptyLine = empty->isVisible() ? empty->text() : QString();
        seen.saveAsEnabled = history->findChild<QPushButton *>("saveAsBtn")->isEnabled();
        seen.openEnabled = history->findChild<QPushButton *>("openBtn")->isEnabled();
        if (act)
            act(history);
        if (table->model()->rowCount() > 0)
            seen.firstRowAfter = rowOf(table, 0);
        seen.openEnabledAfter = history->findChild<QPushButton *>("openBtn")->isEnabled();
        if (auto *results = history->findChild<ResultsWindow *>())
            seen.resultsTitle = results->windowTitle();
        history->close();
    });
    window->findChild<QAction *>("actionHistory")->trigger();
    driver.handlers.remove("HistoryWindow");
    return seen;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

    QByteArray builtIn;
    std::unique_ptr<QTemporaryDir> home;

private slots:
    void initTestCase() { builtIn = TesterEmulatorProcess::builtInData(); }

    // A data folder of its own for each case: Archive::defaultPath() follows it.
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", home->path().toUtf8());
        Settings::remove(Settings::Key::LastSavedFilePath);
        Settings::setValue(Settings::Key::ReadTimeout, 110);
    }

    void sessionKept_data()
    {
        QTest::addColumn<bool>("save");
        // Cancel and the window closed while receiving: tst_workflow.
        QTest::newRow("save dialog declined") << false;
        QTest::newRow("saved after the download") << true;
    }

    void sessionKept()
    {
        QFETCH(bool, save);

        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "0"}));
        MainWindow window;
        UiDriver driver(&window);
        driver.setPort(tester.devicePath);
        const QString target = home->filePath("after the download.csv");
        if (save)
            driver.saveAs = QStringList{target};
        QVERIFY(driver.download(20000));
        // No dialog of the archive's own on the way.
        QCOMPARE(driver.seen, QStringList{"QFileDialog"});

        Archive archive;
        QVERIFY(archive.open(Archive::defaultPath()));
        QCOMPARE(archive.list()->size(), 1);
        const DownloadSummary kept = archive.list()->at(0);
        QVERIFY(kept.portName == tester.devicePath && kept.readTimeoutMs == 110);
        QCOMPARE(archive.data(kept.id).value_or(QByteArray()), builtIn);
        QCOMPARE(kept.lastSavedPath, save ? target : QString());
        QCOMPARE(kept.ending, DownloadEnding::Silence);
    }

    // The case the archive is for: a download never saved, the window closed, and the
    // program started again.
    void savedFromHistory()
    {
        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "0", "--bit7"}));
        {
            MainWindow window;
            UiDriver driver(&window);
            driver.setPort(tester.devicePath);
            QVERIFY(driver.download(20000)); // the save dialog declined
        }

        MainWindow window;
        UiDriver driver(&window);
        const QString target = home->filePath("from the history.csv");
        const Seen seen = showHistory(&window, driver, [&](QWidget *history) {
            driver.saveAs = QStringList{target};
            history->findChild<QPushButton *>("saveAsBtn")->click();
            history->findChild<QPushButton *>("resultsBtn")->click();
        });
        QCOMPARE(seen.rows, 1);
        QCOMPARE(seen.firstRow.value(HistoryModel::Port), tester.devicePath);
        QCOMPARE(seen.firstRow.value(HistoryModel::SavedAs), QStringLiteral("not saved"));
        QCOMPARE(seen.firstRow.value(HistoryModel::Ending), QStringLiteral("Finished"));
        QVERIFY(seen.firstRow.value(HistoryModel::Records).toInt() > 0);
        QCOMPARE(seen.text, linesOf(sevenBit(builtIn)));
        QVERIFY(seen.saveAsEnabled && !seen.openEnabled);
        QCOMPARE(driver.seen, (QStringList{"HistoryWindow", "QFileDialog"}));

        QCOMPARE(contents(target), sevenBit(builtIn));
        QCOMPARE(seen.firstRowAfter.value(HistoryModel::SavedAs), target);
        QVERIFY(seen.openEnabledAfter);
        QCOMPARE(stored(Settings::Key::LastSavedFilePath).toString(), target);
        QVERIFY2(seen.resultsTitle.contains("from the history.csv"), qPrintable(seen.resultsTitle));
        // The Results window stays open once the History is closed.
        const auto *results = window.findChild<ResultsWindow *>();
        QVERIFY(results && results->isVisible() && results->windowTitle() == seen.resultsTitle);
    }

    // A damaged archive is told once in a box, after the save dialog, and replaced; an archive
    // that cannot be written is told in the status bar. The download goes on to its save
    // dialog either way.
    void archiveTrouble_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("box");    // the text of the box, empty: none
        QTest::addColumn<QString>("status"); // in the status bar after the download
        QTest::addColumn<int>("kept");

        QTest::newRow("damaged") << "damaged" << QString("was damaged. It was moved aside as")
                                 << "Bytes received" << 1;
        QTest::newRow("cannot be written")
            << "unwritable" << QString() << "This download was not archived: " << 0;
    }

    void archiveTrouble()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(int, kept);

        const QString path = Archive::defaultPath();
        if (trouble == "damaged") {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY(put(path, QByteArray("not an archive at all ").repeated(200)));
        } else {
            // Where the program's data folder should be, a file: nothing can be created.
            QVERIFY(put(home->filePath("DRAVLIN"), "a file"));
        }
        TesterEmulatorProcess tester;
        QVERIFY(tester.start({"--baud", "0"}));
        const QString target = home->filePath("saved anyway.csv");
        {
            MainWindow window;
            UiDriver driver(&window);
            driver.setPort(tester.devicePath);
            driver.saveAs = QStringList{target};
            QString statusAtDialog;
            driver.onSaveDialog = [&] { statusAtDialog = driver.statusText(); };
            QVERIFY(driver.download(20000));
            QCOMPARE(driver.seen, box.isEmpty() ? QStringList{"QFileDialog"}
                                                : (QStringList{"QFileDialog", "QMessageBox"}));
            if (!box.isEmpty())
                QVERIFY2(driver.boxes.value(0).text.contains(box),
                         qPrintable(driver.boxes.value(0).text));
            QVERIFY2(statusAtDialog.contains(status), qPrintable(statusAtDialog));
            QCOMPARE(contents(target), builtIn);

            // Told once: the History opens without another box.
            const Seen seen = showHistory(&window, driver);
            QCOMPARE(seen.rows, kept);
            QCOMPARE(driver.boxes.size(), box.isEmpty() ? 0 : 1);
            if (kept == 0)
                QVERIFY2(seen.emptyLine.contains("cannot be"), qPrintable(seen.emptyLine));
        }
        if (kept > 0) {
            Archive archive;
            QVERIFY(archive.open(path));
            QCOMPARE(archive.list()->value(0).lastSavedPath, target);
        }
    }

    void emptyAndDelete_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("how"); // none, button, key
        QTest::addColumn<int>("reply");   // a QMessageBox::StandardButton
        QTest::addColumn<int>("left");

        QTest::newRow("empty archive") << 0 << "none" << int(QMessageBox::No) << 0;
        QTest::newRow("delete declined") << 2 << "button" << int(QMessageBox::No) << 2;
        QTest::newRow("delete confirmed with the Delete key")
            << 2 << "key" << int(QMessageBox::Yes) << 1;
        QTest::newRow("the last one deleted") << 1 << "button" << int(QMessageBox::Yes) << 0;
    }

    void emptyAndDelete()
    {
        QFETCH(int, stored);
        QFETCH(QString, how);
        QFETCH(int, reply);
        QFETCH(int, left);

        QVector<qint64> ids;
        {
            Archive archive;
            QVERIFY(archive.open(Archive::defaultPath()));
            for (int n = 0; n < stored; ++n) {
                ArchivedDownload download;
                download.started = QDateTime::currentDateTimeUtc().addSecs(n * 60);
                download.ended = download.started.addSecs(30);
                download.portName = "COM3";
                download.data = QByteArray("Record,Result\r\n1,PASS\r\n").repeated(n + 1);
                ids.prepend(archive.store(download).value_or(0));
            }
        }
        MainWindow window;
        UiDriver driver(&window);
        driver.reply = QMessageBox::StandardButton(reply);
        const Seen seen = showHistory(&window, driver, [&](QWidget *history) {
            if (how == "button")
                history->findChild<QPushButton *>("deleteBtn")->click();
            else if (how == "key")
                QTest::keyClick(history->findChild<QTableView *>("downloads"), Qt::Key_Delete);
        });
        QCOMPARE(seen.rows, stored);
        if (stored == 0) {
            QVERIFY2(seen.emptyLine.contains("will appear here"), qPrintable(seen.emptyLine));
            QVERIFY(!seen.saveAsEnabled && seen.text.isEmpty());
            QVERIFY(driver.boxes.isEmpty());
            return;
        }
        QCOMPARE(seen.emptyLine + seen.text,
                 QStringLiteral("Record,Result\n1,PASS\n").repeated(stored));
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
        if (left < stored)
            QVERIFY(!archive.summary(ids.first()));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupCycle::setApplicationIdentity();
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
