// The Results window over real data: the emulator's data set, a European file and hand-made
// files. What the user sees in the table (Failed only, the filter, the FAIL marks, the order
// of numbers), what Ctrl+C copies, the bytes of the CSV export, the chart's files, and View >
// Results in the main window after a download from the tester emulator.
#include "ExampleData.h"
#include "TestSupport.h"
#include "TesterEmulatorProcess.h"
#include "UiDriver.h"

#include "archive/Archive.h"
#include "checks/DesignFile.h"
#include "gui/CompletenessIndicator.h"
#include "gui/MainWindow.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/ResultsChart.h"
#include "gui/ResultsFilterModel.h"
#include "gui/ResultsWindow.h"
#include "gui/SiteDesignDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace ExampleData;
using namespace TestSupport;

namespace {

// The data set in the European form, as the program saves it for a decimal-comma language.
QByteArray european()
{
    return builtIn().replace(',', ';').replace('.', ',');
}

// The data lines after the header, without their line ends.
QList<QByteArray> recordLines(const QByteArray &data)
{
    QList<QByteArray> lines = data.split('\n');
    lines.removeFirst();
    QList<QByteArray> records;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            records.append(line);
    }
    return records;
}

// The records whose fields hold the word (any case), found in the raw lines.
int linesWithField(const QByteArray &data, char delimiter, const QByteArray &word)
{
    int count = 0;
    for (const QByteArray &line : recordLines(data)) {
        for (const QByteArray &field : line.split(delimiter)) {
            if (field.toLower() == word.toLower()) {
                ++count;
                break;
            }
        }
    }
    return count;
}

int linesContaining(const QByteArray &data, const QByteArray &text)
{
    int count = 0;
    for (const QByteArray &line : recordLines(data))
        count += line.toLower().contains(text.toLower()) ? 1 : 0;
    return count;
}

// A Results window of the data, shown, with Failed only as given; null if it never shows.
std::unique_ptr<ResultsWindow> shownWindow(const QByteArray &data, bool failedOnly)
{
    auto window = std::make_unique<ResultsWindow>(data, QString());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    window->findChild<QCheckBox *>("failedOnlyBox")->setChecked(failedOnly);
    return window;
}

int columnNamed(const QAbstractItemModel *model, const QString &name)
{
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == name)
            return column;
    }
    return -1;
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The rows shown for Failed only and the filter, and the FAIL marks on them.
    void shownRows_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("failedOnly");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("rows");

        const QByteArray data = builtIn();
        const int fails = linesWithField(data, ',', "FAIL");
        QVERIFY(fails > 0 && fails < recordLines(data).size());
        QTest::newRow("all") << data << false << QString() << recordLines(data).size();
        QTest::newRow("failed only") << data << true << QString() << fails;
        QTest::newRow("European file, failed only")
            << european() << true << QString() << linesWithField(european(), ';', "FAIL");
        QTest::newRow("filter, any case")
            << data << false << "inv2-s0" << linesContaining(data, "inv2-s0");
        QTest::newRow("filter and failed only") << data << true << "INV1" << [&] {
            int count = 0;
            for (const QByteArray &line : recordLines(data))
                count += line.contains("INV1") && line.endsWith(",FAIL") ? 1 : 0;
            return count;
        }();
        QTest::newRow("filter finds nothing") << data << false << "no such text" << 0;
        const QByteArray lowerCase = "No,Site,Status\n1,North,pass\n2,North,fail\n3,South,Fail\n"
                                     "4,South,PASS\n5,South,nok\n";
        QTest::newRow("lower-case verdicts, failed only") << lowerCase << true << QString() << 3;
    }
    void shownRows()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, failedOnly);
        QFETCH(QString, filter);
        QFETCH(int, rows);

        ResultsWindow window(data, "data.csv");
        auto *failedBox = window.findChild<QCheckBox *>("failedOnlyBox");
        QVERIFY(failedBox && failedBox->isEnabled());
        failedBox->setChecked(failedOnly);
        auto *filterEdit = window.findChild<QLineEdit *>("filterEdit");
        filterEdit->setText(filter);
        QTRY_COMPARE(window.shownRows()->rowCount(), rows);

        // Every FAIL row is marked by colour and by an icon with a text; no other row is.
        const QAbstractItemModel *shown = window.shownRows();
        const int result = shown->columnCount() - 1;
        for (int row = 0; row < shown->rowCount(); ++row) {
            const QString verdict = shown->index(row, result).data().toString().toUpper();
            const bool failed = verdict == "FAIL" || verdict == "NOK";
            QVERIFY(!failedOnly || failed);
            QCOMPARE(shown->index(row, 0).data(Qt::DecorationRole).isValid(), failed);
            QCOMPARE(shown->index(row, 0).data(Qt::ToolTipRole).isValid(), failed);
            QCOMPARE(shown->index(row, 1).data(Qt::BackgroundRole).isValid(), failed);
            if (!filter.isEmpty()) {
                bool found = false;
                for (int column = 0; column < shown->columnCount(); ++column)
                    found = found || shown->index(row, column)
                                         .data()
                                         .toString()
                                         .contains(filter, Qt::CaseInsensitive);
                QVERIFY(found);
            }
        }
    }

    // A click on a column header sorts numbers as numbers, both ways, also with decimal commas.
    void sortsNumbers_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("firstAscending");

        QTest::newRow("decimal commas") << european() << "Isc (A)" << QStringList();
        QTest::newRow("negative and exponent, empty last")
            << QByteArray("T,Result\n10,PASS\n-2.5,PASS\n,PASS\n9,FAIL\n1e1,PASS\n-10,PASS\n")
            << "T" << QStringList{"-10", "-2.5", "9", "10", "1e1", ""};
    }
    void sortsNumbers()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, column);
        QFETCH(QStringList, firstAscending);

        ResultsWindow window(data, QString());
        QTableView *view = window.tableView();
        const int section = columnNamed(view->model(), column);
        QVERIFY2(section >= 0, qPrintable(column));
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            view->sortByColumn(section, order);
            QList<double> numbers;
            QStringList texts;
            for (int row = 0; row < view->model()->rowCount(); ++row) {
                const QString text = view->model()->index(row, section).data().toString();
                texts.append(text);
                if (!text.isEmpty())
                    numbers.append(QString(text).replace(',', '.').toDouble());
            }
            QList<double> expected = numbers;
            std::stable_sort(expected.begin(), expected.end());
            if (order == Qt::DescendingOrder)
                std::reverse(expected.begin(), expected.end());
            QCOMPARE(numbers, expected);
            if (order == Qt::AscendingOrder && !firstAscending.isEmpty())
                QCOMPARE(texts.mid(0, firstAscending.size()), firstAscending);
        }
    }

    // Ctrl+C copies the selected cells as tab-separated lines; the export writes the rows shown,
    // in the data's own delimiter and quoting, through the save step, or says why it cannot.
    void copyAndExport_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("failedOnly");
        QTest::addColumn<QByteArray>("exported");

        const QByteArray data = builtIn();
        QByteArray failLines = data.left(data.indexOf('\n') + 1);
        for (const QByteArray &line : recordLines(data)) {
            if (line.endsWith(",FAIL"))
                failLines += line + "\r\n";
        }
        QTest::newRow("emulator, all rows") << data << false << data;
        QTest::newRow("emulator, failed only") << data << true << failLines;
        QTest::newRow("European file stays European") << european() << false << european();
        const QByteArray quoted = "Name,Note,Result\r\n\"a,b\",\"say \"\"hi\"\"\",FAIL\r\n"
                                  "plain,\"two\r\nlines\",PASS\r\n";
        QTest::newRow("quoted fields") << quoted << false << quoted;
        QTest::newRow("LF lines become CR LF")
            << QByteArray("A;B\n1;x\n2;y\n") << false << QByteArray("A;B\r\n1;x\r\n2;y\r\n");
    }
    void copyAndExport()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, failedOnly);
        QFETCH(QByteArray, exported);

        const auto window = shownWindow(data, failedOnly);
        QVERIFY(window);

        const QString file = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        const SaveStep::Outcome outcome = window->exportCsv(file);
        QVERIFY2(outcome.saved(), qPrintable(outcome.headline));
        QCOMPARE(contents(file), exported);
        // An export that cannot be written says so and leaves no file.
        const QString missing = dir.filePath("no such folder/results.csv");
        const SaveStep::Outcome failed = window->exportCsv(missing);
        QVERIFY(!failed.saved() && failed.headline.contains(missing));
        QVERIFY(!QFile::exists(missing));

        // A block of two rows and up to three columns, copied with Ctrl+C.
        QTableView *view = window->tableView();
        const QAbstractItemModel *shown = view->model();
        const int lastColumn = std::min(2, shown->columnCount() - 1);
        view->selectionModel()->select(
            QItemSelection(shown->index(0, 0), shown->index(1, lastColumn)),
            QItemSelectionModel::ClearAndSelect);
        QString expected;
        for (int row = 0; row < 2; ++row) {
            QStringList cells;
            for (int column = 0; column <= lastColumn; ++column)
                cells.append(shown->index(row, column)
                                 .data()
                                 .toString()
                                 .replace('\n', ' ')
                                 .replace('\r', ' '));
            expected += cells.join('\t') + '\n';
        }
        QApplication::clipboard()->clear();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QCOMPARE(expected.count('\t'), 2 * lastColumn);
        QVERIFY(!expected.contains("\"\""));
    }

    // The chart of the rows shown, its minimum and maximum, saved as PNG and as SVG.
    void chart_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("failedOnly");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("group");

        QTest::newRow("Voc by site") << builtIn() << false << "Voc (V)"
                                     << "Site";
        QTest::newRow("failed only, Riso") << builtIn() << true << "Riso (MOhm)"
                                           << "";
        QTest::newRow("European Isc by date") << european() << false << "Isc (A)"
                                              << "Date";
        QTest::newRow("negative values")
            << QByteArray("Name,T,Result\na,-5,PASS\nb,3,FAIL\nc,0,PASS\n") << false << "T"
            << "";
    }
    void chart()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, failedOnly);
        QFETCH(QString, value);
        QFETCH(QString, group);

        const auto window = shownWindow(data, failedOnly);
        QVERIFY(window);
        window->findChild<QTabWidget *>("tabs")->setCurrentIndex(1);
        auto *valueBox = window->findChild<QComboBox *>("valueBox");
        auto *groupBox = window->findChild<QComboBox *>("groupBox");
        valueBox->setCurrentText(value);
        QCOMPARE(valueBox->currentText(), value);
        if (!group.isEmpty())
            groupBox->setCurrentText(group);

        // The marks are at the lowest and the highest value of the rows shown.
        const QAbstractItemModel *shown = window->shownRows();
        const int column = columnNamed(shown, value);
        double low = 1e300, high = -1e300;
        for (int row = 0; row < shown->rowCount(); ++row) {
            const double number =
                shown->index(row, column).data().toString().replace(',', '.').toDouble();
            low = std::min(low, number);
            high = std::max(high, number);
        }
        double minimum = 0, maximum = 0;
        QVERIFY(window->chart()->range(&minimum, &maximum));
        QCOMPARE(minimum, low);
        QCOMPARE(maximum, high);

        QString error;
        const QString png = dir.filePath(QTest::currentDataTag() + QStringLiteral(".png"));
        QVERIFY2(window->chart()->savePng(png, &error), qPrintable(error));
        QImage image;
        QVERIFY(image.load(png, "PNG"));
        QVERIFY(image.width() >= 640 && image.height() >= 400);
        // Bars in the bar colours (blue, red for FAIL), not a blank page.
        int barPixels = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                const QColor colour = image.pixelColor(x, y);
                barPixels += (colour == QColor(70, 120, 180) || colour == QColor(200, 60, 60));
            }
        }
        QVERIFY2(barPixels > 200, qPrintable(QString::number(barPixels)));

        const QString svg = dir.filePath(QTest::currentDataTag() + QStringLiteral(".svg"));
        QVERIFY2(window->chart()->saveSvg(svg, &error), qPrintable(error));
        const QByteArray svgBytes = contents(svg);
        QVERIFY(svgBytes.contains("<svg"));
        QVERIFY(svgBytes.trimmed().endsWith("</svg>"));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QVERIFY(renderer.defaultSize().width() >= 640);

        // A file that cannot be written: the reason, no file.
        const QString missing = dir.filePath("no such folder/chart.png");
        QVERIFY(!window->chart()->savePng(missing, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!window->chart()->saveSvg(dir.filePath("no such folder/chart.svg"), &error));
        QVERIFY(!QFile::exists(missing));
    }

    // View > Results in the main window opens the data of the download on screen; a download
    // cut short by a pause leaves the warning beside the status until the next one starts.
    // A site design set directly or through the Site design dialog: the Design checks column
    // flags the short strings with the reason in the tooltip, the summary counts them, the
    // tester's marks stay, and the report's preview shows the report and saves the PDF.
    void designChecks_data()
    {
        QTest::addColumn<bool>("throughDialog");
        QTest::newRow("set directly") << false;
        QTest::newRow("through the Site design dialog, kept in the archive") << true;
    }
    void designChecks()
    {
        QFETCH(bool, throughDialog);
        const QByteArray data = builtIn();
        const SiteDesign design = ExampleData::design();
        QVERIFY(!design.arrays.isEmpty());
        ResultsWindow window(data, "emulator.csv");
        const int columns = window.shownRows()->columnCount();
        QVERIFY(!window.reportButton()->isEnabled());
        QCOMPARE(window.openReport(), nullptr);

        Archive archive;
        QVERIFY(archive.open(dir.filePath(QTest::currentDataTag() + QStringLiteral(".sqlite"))));
        window.setArchive(&archive);
        QVERIFY(!window.hasDesign());
        if (throughDialog) {
            window.show();
            window.siteDesignButton()->click();
            auto *dialog = window.findChild<SiteDesignDialog *>();
            QVERIFY(dialog);
            QVERIFY(dialog->isVisible());
            dialog->setDesign(design);
            dialog->accept();
        } else {
            window.setDesign(design);
        }
        QVERIFY(window.hasDesign());
        QCOMPARE(window.design(), design);
        QVERIFY(window.reportButton()->isEnabled());
        // The dialog's design is kept for its site, and the next window of the data opens with it.
        QCOMPARE(archive.designFor(design.site)->isEmpty(), !throughDialog);
        {
            ResultsWindow next(data, "emulator.csv");
            next.setArchive(&archive);
            QCOMPARE(next.hasDesign(), throughDialog);
            if (throughDialog)
                QCOMPARE(next.design(), design);
        }

        const QAbstractItemModel *rows = window.shownRows();
        QCOMPARE(rows->columnCount(), columns + 1);
        const int checksColumn = columnNamed(rows, "Design checks");
        QCOMPARE(checksColumn, columns);
        // The column shows the checks' verdicts (which rows fail and why: tst_designchecks):
        // a short string's row at Marsh Lane, with the reason in its tooltip; no other site's.
        const int siteColumn = columnNamed(rows, "Site");
        const int shortRow = ExampleData::shortStrings(data).first() - 1;
        const QModelIndex cell = rows->index(shortRow, checksColumn);
        QVERIFY2(cell.data().toString().startsWith("FAIL"), qPrintable(cell.data().toString()));
        QVERIFY(cell.data(Qt::ToolTipRole)
                    .toString()
                    .contains("Module count: FAIL (21 modules measured, 22 designed)"));
        QVERIFY(cell.data(Qt::ForegroundRole).isValid());
        for (int row = 0; row < rows->rowCount(); ++row)
            QCOMPARE(rows->index(row, checksColumn).data().toString() == "not checked",
                     rows->index(row, siteColumn).data().toString() != "Marsh Lane Solar Park");
        const DesignChecks *checks = window.designChecks();
        QVERIFY(checks && checks->failedByDesignOnly() > 0);
        QCOMPARE(window.designSummaryText(),
                 QStringLiteral("%1 FAIL by the tester · %2 more by the design checks")
                     .arg(window.summary().failed())
                     .arg(checks->failedByDesignOnly()));

        // The tester's own marks and Failed only are as before.
        auto *filter = window.shownRows();
        filter->setFailedOnly(true);
        QCOMPARE(filter->rowCount(), window.summary().failed());
        QCOMPARE(filter->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("The tester failed this record."));
        filter->setFailedOnly(false);
        // Sorted by the checks, descending: the rows the checks fail come first.
        filter->sort(checksColumn, Qt::DescendingOrder);
        QVERIFY(filter->index(0, checksColumn).data().toString().startsWith("FAIL"));

        // The report: its preview and a PDF saved (a file that cannot be written: tst_report).
        ReportPreviewDialog *preview = window.openReport();
        QVERIFY(preview);
        const QString text = preview->browser()->toPlainText();
        QVERIFY(preview->browser()->isReadOnly());
        QVERIFY(text.contains("Marsh Lane Solar Park"));
        QVERIFY(text.contains(QString::fromLatin1(
            QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex())));
        const QString pdf = dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        QString error;
        QVERIFY2(preview->savePdf(pdf, &error, true), qPrintable(error));
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
        preview->close();
    }

    void mainWindow_data()
    {
        QTest::addColumn<QStringList>("emulator");
        QTest::addColumn<bool>("complete");

        QTest::newRow("whole") << QStringList{"--baud", "0"} << true;
        QTest::newRow("a pause longer than the read time-out")
            << QStringList{"--baud", "0", "--pause-after", "5000", "--pause-ms", "1500"} << false;
    }
    void mainWindow()
    {
        QFETCH(QStringList, emulator);
        QFETCH(bool, complete);

        // The site's design kept in the archive, so the Results window can make a report.
        Archive archive;
        QVERIFY(archive.open(Archive::defaultPath()));
        QVERIFY(archive.storeDesign(ExampleData::design().site, ExampleData::designJson()));

        MainWindow window;
        UiDriver driver(&window);
        auto *results = window.findChild<QAction *>("actionResults");
        QVERIFY(results && !results->isEnabled());
        TesterEmulatorProcess tester;
        QVERIFY(tester.start(emulator));
        driver.setPort(tester.devicePath);
        QVERIFY(driver.download(20000)); // the save dialog is declined
        QVERIFY(results->isEnabled());

        auto *indicator = window.findChild<CompletenessIndicator *>();
        QVERIFY(indicator);
        QCOMPARE(indicator->isVisible(), !complete);
        if (!complete) {
            QVERIFY(indicator->warnings().constFirst().startsWith("The last record is incomplete"));
            QVERIFY(indicator->toolTip().contains(indicator->warnings().constFirst()));
        }

        results->trigger();
        auto *resultsWindow = window.findChild<ResultsWindow *>();
        QVERIFY(resultsWindow && resultsWindow->isVisible());
        const int records = recordLines(builtIn()).size();
        QCOMPARE(resultsWindow->summary().isComplete(), complete);
        if (complete)
            QCOMPARE(resultsWindow->summary().records(), records);
        else
            QVERIFY(resultsWindow->summary().records() < records);
        // The report's trace names the download the archive keeps, not a file (the part that
        // came before the pause holds no string of the designed site).
        if (complete) {
            const qint64 kept = archive.list().value(0).id; // the newest
            QVERIFY(kept > 0);
            ReportPreviewDialog *preview = resultsWindow->openReport();
            QVERIFY(preview);
            const QString text = preview->browser()->toPlainText();
            QVERIFY2(text.contains(QStringLiteral("download %1 in the archive").arg(kept)),
                     qPrintable(text.right(600)));
            preview->close();
        }
        resultsWindow->close();
        driver.stop();
    }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
