// The Results window over the emulator's data set, a European file and hand-made files: the
// table, Ctrl+C, the CSV export, the chart's files and the design checks; the site design
// dialog: the design through its widgets and back, the user's edits, the refusals, and its
// file. View > Results of a download: tst_workflow.
#include "ExampleData.h"
#include "TestSupport.h"

#include "archive/Archive.h"
#include "archive/ArchivedDownload.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/ResultsChart.h"
#include "gui/ResultsFilterModel.h"
#include "gui/ResultsWindow.h"
#include "gui/SiteDesignDialog.h"
#include "report/CommissioningReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>
#include <functional>

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
    QList<QByteArray> lines = QByteArray(data).replace('\r', "").split('\n').mid(1);
    lines.removeAll(QByteArray());
    return lines;
}

// The records for which test holds.
int linesWhere(const QByteArray &data, const std::function<bool(const QByteArray &)> &test)
{
    const QList<QByteArray> lines = recordLines(data);
    return int(std::count_if(lines.begin(), lines.end(), test));
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
    // The rows shown for Failed only and the filter, and the FAIL marks on them; a click on a
    // column header sorts numbers as numbers, both ways, also with decimal commas.
    void shownRows_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("failedOnly");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("sort"); // the column, then its first values ascending

        const QByteArray data = builtIn();
        const auto failed = [](const QByteArray &line) { return line.endsWith(",FAIL"); };
        const int fails = linesWhere(data, failed);
        QVERIFY(fails > 0 && fails < recordLines(data).size());
        const auto row = [](const char *name, const QByteArray &data, bool failedOnly,
                            const QString &filter, int rows, const QStringList &sort = {}) {
            QTest::newRow(name) << data << failedOnly << filter << rows << sort;
        };
        row("all", data, false, {}, recordLines(data).size());
        row("failed only", data, true, {}, fails, {"Voc (V)"});
        row("European file, failed only", european(), true, {}, fails, {"Isc (A)"});
        row("filter, any case", data, false, "inv2-s0",
            linesWhere(data, [](auto &line) { return line.toLower().contains("inv2-s0"); }));
        row("filter and failed only", data, true, "INV1",
            linesWhere(data, [&](auto &line) { return line.contains("INV1") && failed(line); }));
        row("lower-case verdicts, failed only",
            "No,Site,Status\n1,North,pass\n2,North,fail\n3,South,Fail\n4,South,PASS\n5,South,nok\n",
            true, {}, 3);
        row("negative and exponent, empty last",
            "T,Result\n10,PASS\n-2.5,PASS\n,PASS\n9,FAIL\n1e1,PASS\n-10,PASS\n", false, {}, 6,
            {"T", "-10", "-2.5", "9", "10", "1e1", ""});
    }
    void shownRows()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, failedOnly);
        QFETCH(QString, filter);
        QFETCH(int, rows);
        QFETCH(QStringList, sort);

        ResultsWindow window(data, "data.csv");
        auto *failedBox = window.findChild<QCheckBox *>("failedOnlyBox");
        QVERIFY(failedBox && failedBox->isEnabled());
        failedBox->setChecked(failedOnly);
        window.findChild<QLineEdit *>("filterEdit")->setText(filter);
        QTRY_COMPARE_WITH_TIMEOUT(window.shownRows()->rowCount(), rows, 5000); // the filter applied

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
        }
        if (sort.isEmpty())
            return;
        const QString sortBy = sort.takeFirst();
        QTableView *view = window.tableView();
        const int section = columnNamed(view->model(), sortBy);
        QVERIFY2(section >= 0, qPrintable(sortBy));
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
            QVERIFY2(order == Qt::AscendingOrder ? std::is_sorted(numbers.begin(), numbers.end())
                                                 : std::is_sorted(numbers.rbegin(), numbers.rend()),
                     qPrintable(texts.join(QLatin1Char(' '))));
            if (order == Qt::AscendingOrder && !sort.isEmpty())
                QCOMPARE(texts.mid(0, sort.size()), sort);
        }
    }

    // Ctrl+C copies the selected cells as tab-separated lines; the export writes the rows shown
    // in the data's own delimiter and quoting, or says why it cannot; the chart of the rows
    // shown has their minimum and maximum, and saves as PNG and SVG.
    void outputs_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("failedOnly");
        QTest::addColumn<QByteArray>("exported");
        QTest::addColumn<QString>("value"); // charted; empty: no chart
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("copied"); // empty: not tried

        const QByteArray data = builtIn();
        QByteArray failLines = data.left(data.indexOf('\n') + 1);
        for (const QByteArray &line : recordLines(data))
            failLines += line.endsWith(",FAIL") ? line + "\r\n" : QByteArray();
        const auto row = [](const char *name, const QByteArray &data, bool failedOnly,
                            const QByteArray &exported, const QString &value = {},
                            const QString &group = {}, const QString &copied = {}) {
            QTest::newRow(name) << data << failedOnly << exported << value << group << copied;
        };
        row("emulator, Voc by site", data, false, data, "Voc (V)", "Site",
            "1\t2024-04-08\t08:30:35\n2\t2024-04-08\t08:33:19\n");
        row("emulator, failed only, Riso", data, true, failLines, "Riso (MOhm)");
        row("European file stays European, Isc by date", european(), false, european(), "Isc (A)",
            "Date");
        const QByteArray quoted = "Name,Note,Result\r\n\"a,b\",\"say \"\"hi\"\"\",FAIL\r\n"
                                  "plain,\"two\r\nlines\",PASS\r\n";
        row("quoted fields", quoted, false, quoted, {}, {},
            "a,b\tsay \"hi\"\tFAIL\nplain\ttwo  lines\tPASS\n");
        row("negative values, LF lines become CR LF",
            "Name,T,Result\na,-5,PASS\nb,3,FAIL\nc,0,PASS\n", false,
            "Name,T,Result\r\na,-5,PASS\r\nb,3,FAIL\r\nc,0,PASS\r\n", "T");
    }
    void outputs()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, failedOnly);
        QFETCH(QByteArray, exported);
        QFETCH(QString, value);
        QFETCH(QString, group);
        QFETCH(QString, copied);
        ResultsWindow window(data, QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QCheckBox *>("failedOnlyBox")->setChecked(failedOnly);

        const QString file = dir.filePath(QTest::currentDataTag() + QStringLiteral(".csv"));
        const SaveStep::Outcome outcome = window.exportCsv(file);
        QVERIFY2(outcome.saved(), qPrintable(outcome.headline));
        QCOMPARE(contents(file), exported);
        // An export that cannot be written says so and leaves no file.
        const QString missing = dir.filePath("no such folder/results.csv");
        const SaveStep::Outcome failed = window.exportCsv(missing);
        QVERIFY(!failed.saved() && failed.headline.contains(missing));
        QVERIFY(!QFile::exists(missing));

        if (!copied.isEmpty()) { // two rows of three columns, copied with Ctrl+C
            QTableView *view = window.tableView();
            view->selectionModel()->select(
                QItemSelection(view->model()->index(0, 0), view->model()->index(1, 2)),
                QItemSelectionModel::ClearAndSelect);
            QApplication::clipboard()->clear();
            view->setFocus();
            QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), copied);
        }
        if (value.isEmpty())
            return;
        window.findChild<QTabWidget *>("tabs")->setCurrentIndex(1);
        auto *valueBox = window.findChild<QComboBox *>("valueBox");
        valueBox->setCurrentText(value);
        QCOMPARE(valueBox->currentText(), value);
        if (!group.isEmpty())
            window.findChild<QComboBox *>("groupBox")->setCurrentText(group);

        // The marks are at the lowest and the highest value of the rows shown.
        const QAbstractItemModel *rows = window.shownRows();
        const int column = columnNamed(rows, value);
        QList<double> numbers;
        for (int row = 0; row < rows->rowCount(); ++row)
            numbers << rows->index(row, column).data().toString().replace(',', '.').toDouble();
        double minimum = 0, maximum = 0;
        QVERIFY(window.chart()->range(&minimum, &maximum));
        QCOMPARE(minimum, *std::min_element(numbers.begin(), numbers.end()));
        QCOMPARE(maximum, *std::max_element(numbers.begin(), numbers.end()));

        QString error;
        const QString png = dir.filePath(QTest::currentDataTag() + QStringLiteral(".png"));
        QVERIFY2(window.chart()->savePng(png, &error), qPrintable(error));
        QImage image;
        QVERIFY(image.load(png, "PNG"));
        QVERIFY(image.width() >= 640 && image.height() >= 400);
        int barPixels = 0; // in the bar colours (blue, red for FAIL), not a blank page
        for (int at = 0; at < image.width() * image.height(); at += 3) {
            const QColor colour = image.pixelColor(at % image.width(), at / image.width());
            barPixels += (colour == QColor(70, 120, 180) || colour == QColor(200, 60, 60));
        }
        QVERIFY2(barPixels > 200, qPrintable(QString::number(barPixels)));
        const QString svg = dir.filePath(QTest::currentDataTag() + QStringLiteral(".svg"));
        QVERIFY2(window.chart()->saveSvg(svg, &error), qPrintable(error));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid() && renderer.defaultSize().width() >= 640);

        // A file that cannot be written: the reason, no file.
        QVERIFY(!window.chart()->savePng(missing + ".png", &error) && !error.isEmpty());
        QVERIFY(!window.chart()->saveSvg(missing + ".svg", &error) && !error.isEmpty());
        QVERIFY(!QFile::exists(missing + ".png"));
    }

    // A site design entered through the Site design dialog: kept in the archive for the next
    // window of the site, the Design checks column with the reason in the tooltip, the summary,
    // and the report's preview and PDF. Which rows fail and why: tst_results.
    void designChecks()
    {
        const QByteArray data = builtIn();
        const SiteDesign design = ExampleData::design();
        ResultsWindow window(data, "emulator.csv");
        QVERIFY(!window.reportButton()->isEnabled());
        Archive archive;
        QVERIFY(archive.open(dir.filePath("designs.sqlite")));
        window.setArchive(&archive);
        window.show();
        window.siteDesignButton()->click();
        auto *dialog = window.findChild<SiteDesignDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->setDesign(design);
        dialog->accept();
        QCOMPARE(window.design(), design);
        QVERIFY(window.reportButton()->isEnabled());
        {
            ResultsWindow next(data, "emulator.csv");
            next.setArchive(&archive);
            QCOMPARE(next.design(), design);
        }
        {
            // A kept design that no longer reads: no checks, and the reason --report gives.
            Archive broken;
            QVERIFY(broken.open(dir.filePath("broken-designs.sqlite")));
            QVERIFY(broken.storeDesign(design.site, "{\"site\": "));
            ResultsWindow next(data, "emulator.csv");
            next.setArchive(&broken);
            next.show();
            QVERIFY(!next.designChecks() && !next.reportButton()->isEnabled());
            QVERIFY2(next.designLine().startsWith(
                         QStringLiteral("The design kept in the archive for \"%1\" cannot be "
                                        "used: ")
                             .arg(design.site)),
                     qPrintable(next.designLine()));
        }

        const QAbstractItemModel *rows = window.shownRows();
        const int checksColumn = columnNamed(rows, "Design checks");
        QCOMPARE(checksColumn, rows->columnCount() - 1);
        // A short string's row at Marsh Lane, with the reason in its tooltip; no other site's.
        const int siteColumn = columnNamed(rows, "Site");
        const QModelIndex cell =
            rows->index(ExampleData::shortStrings(data).first() - 1, checksColumn);
        QVERIFY2(cell.data().toString().startsWith("FAIL"), qPrintable(cell.data().toString()));
        QVERIFY(cell.data(Qt::ToolTipRole)
                    .toString()
                    .contains("Module count: FAIL (21 modules measured, 22 designed)"));
        for (int row = 0; row < rows->rowCount(); ++row)
            QCOMPARE(rows->index(row, checksColumn).data().toString() == "not checked",
                     rows->index(row, siteColumn).data().toString() != "Marsh Lane Solar Park");
        const DesignChecks *checks = window.designChecks();
        QVERIFY(checks && checks->failedByDesignOnly() > 0);
        QCOMPARE(window.designSummaryText(),
                 QStringLiteral("%1 FAIL by the tester · %2 more by the design checks")
                     .arg(window.summary().failed())
                     .arg(checks->failedByDesignOnly()));

        // The time of a download the archive keeps is the archive's, whatever the window heard.
        ArchivedDownload kept;
        kept.started = QDateTime(QDate(2024, 6, 3), QTime(9, 0), Qt::UTC);
        kept.ended = kept.started.addSecs(40);
        kept.data = data;
        const std::optional<qint64> keptId = archive.store(kept);
        QVERIFY(keptId);
        window.setSource(QDateTime(QDate(2001, 1, 1), QTime(12, 0)), *keptId);
        ReportPreviewDialog *preview = window.openReport();
        QVERIFY(preview && preview->browser()->isReadOnly());
        const QString report = preview->browser()->toPlainText();
        QVERIFY2(report.contains("Marsh Lane Solar Park") && !report.contains("2001") &&
                     report.contains(CommissioningReport::downloadedText(kept.ended)),
                 qPrintable(report));
        const QString pdf = dir.filePath("report.pdf");
        QString error;
        QVERIFY2(preview->savePdf(pdf, &error, true), qPrintable(error));
        QVERIFY(contents(pdf).startsWith("%PDF-"));
        preview->close();
    }

    // What the user types arrives in the design; what cannot be used is refused with the array
    // and the field named, and the dialog stays open.
    void edits_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem"); // empty: accepted
        const auto row = [](const char *name, int field, const QString &text,
                            const QString &problem = {}) {
            QTest::newRow(name) << field << text
                                << (problem.isEmpty() ? problem : "Array 1, " + problem);
        };
        row("21 in series", 3, "21");
        row("no continuity maximum", 10, {});
        row("no name", 0, {}, "Name: required");
        row("no match", 1, " ", "Strings starting with: required");
        row("half a module", 3, "21.5",
            "Modules in series: a whole number from 1 to 10000 is needed");
        row("Voc zero", 4, "0", "Voc at STC (V): a number above 0 is needed");
        row("beta words", 6, "minus", "\u03b2 Voc (%/\u00b0C): a number is needed");
        row("negative minimum", 9, "-1",
            "Insulation min. (M\u03a9): a number above 0 is needed, or nothing");
    }
    void edits()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SiteDesignDialog dialog(ExampleData::design(), {QStringLiteral("Voc (V)")});
        dialog.findChild<QTableWidget *>("arraysTable")->item(0, field)->setText(text);
        dialog.findChild<QLineEdit *>("siteEdit")->setText("Other");
        const QList<QComboBox *> combos = dialog.findChildren<QComboBox *>();
        QCOMPARE(combos.size(), SiteDesign::roleCount);
        combos.at(int(SiteDesign::Role::Voc))->setCurrentText("Voc (V)");

        QCOMPARE(dialog.problem(), problem);
        QString shown; // the text of the message box that accepting brings, closed
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->close();
            }
        });
        poll.start();
        dialog.open();
        dialog.accept();
        QCOMPARE(shown, problem);
        QCOMPARE(dialog.result() == QDialog::Accepted, problem.isEmpty());
        if (!problem.isEmpty())
            return;
        const SiteDesign design = dialog.design();
        QCOMPARE(design.site, "Other");
        QCOMPARE(design.columns.value(SiteDesign::Role::Voc), "Voc (V)");
        QCOMPARE(design.arrays.at(0).modulesInSeries,
                 field == 3 ? 21 : ExampleData::design().arrays.at(0).modulesInSeries);
        QCOMPARE(bool(design.arrays.at(0).continuityMax), field != 10);
    }

    // A design shown and read back unchanged, in two locales, with a second array and a column
    // mapping; export and import through the design file; files that cannot be read or written
    // say why and leave the dialog as it was.
    void files_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_US", "de_DE"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void files()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        SiteDesign design = ExampleData::design();
        design.columns.insert(SiteDesign::Role::Voc, QStringLiteral("Uoc (V)"));
        SiteDesign::Array second = design.arrays.at(0);
        second.name = QStringLiteral("Roof");
        second.match = QStringLiteral("R-");
        second.insulationMin = 0.5;
        second.insulationTestVoltage = 250;
        second.continuityMax.reset();
        design.arrays.append(second);
        design.instrument.calibrated = QDate();
        SiteDesignDialog dialog(design, {QStringLiteral("Uoc (V)"), QStringLiteral("Isc (A)")});
        QCOMPARE(dialog.design(), design);
        QVERIFY(dialog.problem().isEmpty());

        SiteDesignDialog other(SiteDesign{});
        const QString path = dir.filePath(locale + ".design.json");
        QString error;
        QVERIFY2(dialog.exportFile(path, &error), qPrintable(error));
        QVERIFY2(other.importFile(path, &error), qPrintable(error));
        QCOMPARE(other.design(), design);

        QVERIFY(!dialog.exportFile(dir.filePath("missing/x.json"), &error));
        QVERIFY2(error.contains("could not be written") &&
                     error.contains("No such file or directory"),
                 qPrintable(error));
        const QString damaged = dir.filePath("damaged.json");
        QVERIFY(TestSupport::put(damaged, R"({"site": "X", "arrays": [{"name": "A"}]})"));
        QVERIFY(!other.importFile(damaged, &error));
        QVERIFY2(error.contains("arrays[0]."), qPrintable(error));
        QCOMPARE(other.design(), design);
        QVERIFY(!other.importFile(dir.filePath("none.json"), &error));
        QVERIFY2(error.contains("could not be read"), qPrintable(error));
    }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
