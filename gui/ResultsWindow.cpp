#include "gui/ResultsWindow.h"
#include "ui_ResultsWindow.h"

#include "archive/Archive.h"
#include "checks/DesignFile.h"
#include "checks/KeptDesign.h"
#include "gui/DesignChecksColumn.h"
#include "gui/ReportPreviewDialog.h"
#include "gui/ResultsChart.h"
#include "gui/ResultsFilterModel.h"
#include "gui/SiteDesignDialog.h"
#include "report/CommissioningReport.h"
#include "report/ReportTrace.h"
#include "results/ResultsCheck.h"
#include "results/ResultsModel.h"
#include "results/ResultsParser.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>
#include <set>

namespace {

// A field for a CSV line: quoted when it holds the delimiter, a quote or a line end.
QByteArray csvField(QByteArray field, char delimiter)
{
    if (!field.contains(delimiter) && !field.contains('"') && !field.contains('\n') &&
        !field.contains('\r'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

// A cell for tab-separated text: tabs and line ends inside become spaces.
QString tsvField(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

ResultsWindow::ResultsWindow(const QByteArray &received, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(new Ui::ResultsWindow),
      model(new ResultsModel(ResultsParser::parse(received), this)),
      filter(new ResultsFilterModel(model, this)), receivedBytes(received), sourceTitle(title),
      checksColumn(new DesignChecksColumn(this)), designLabel(new QLabel(this)),
      designButton(new QPushButton(tr("Site design…"), this)),
      reportPreviewButton(new QPushButton(tr("Report…"), this))
{
    ui->setupUi(this);
    // The design checks' column sits between the results and the sorted, filtered rows; it
    // keeps the rows as they are.
    checksColumn->setSourceModel(model);
    filter->setSourceModel(checksColumn);
    setAttribute(Qt::WA_DeleteOnClose);
    if (!title.isEmpty())
        setWindowTitle(tr("Results: %1", "%1 is the name of the download or file").arg(title));

    const ResultTable &table = model->table();
    results = ResultsSummary(table, ResultsCheck::check(table));
    QFont bold = ui->summaryLabel->font();
    bold.setBold(true);
    ui->summaryLabel->setFont(bold);
    ui->summaryLabel->setText(results.text());
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const ResultWarning &warning : results.warnings())
        ui->warningList->addItem(new QListWidgetItem(warningIcon, warning.text));
    ui->warningList->setVisible(!results.isComplete());
    designLabel->setFont(bold);
    designLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    designLabel->setVisible(false);
    ui->windowLayout->insertWidget(ui->windowLayout->indexOf(ui->summaryLabel) + 1, designLabel);
    designButton->setToolTip(tr("The design of the site: its arrays and limits, to check each "
                                "string against."));
    reportPreviewButton->setToolTip(
        tr("The commissioning test report of these results checked against the site design, "
           "shown before it is saved as PDF."));
    ui->tableControls->addWidget(designButton);
    ui->tableControls->addWidget(reportPreviewButton);
    connect(designButton, &QPushButton::clicked, this, &ResultsWindow::openSiteDesign);
    connect(reportPreviewButton, &QPushButton::clicked, this, &ResultsWindow::openReport);
    reportPreviewButton->setEnabled(false); // until there is a design to check against

    // The table: rows of one height and no sizing over all rows, so that 100,000 rows open at
    // once and scrolling paints only the rows in view.
    QTableView *view = ui->tableView;
    view->setModel(filter);
    view->setWordWrap(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setResizeContentsPrecision(0); // the rows in view only
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->installEventFilter(this);
    connect(view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &ResultsWindow::refreshChartRows);

    filterDelay.setSingleShot(true);
    filterDelay.setInterval(200);
    connect(&filterDelay, &QTimer::timeout, this, &ResultsWindow::applyFilter);
    connect(ui->filterEdit, &QLineEdit::textChanged, &filterDelay, qOverload<>(&QTimer::start));
    connect(ui->failedOnlyBox, &QCheckBox::toggled, this, &ResultsWindow::applyFilter);
    ui->failedOnlyBox->setEnabled(table.resultColumn >= 0);
    connect(ui->exportButton, &QPushButton::clicked, this, &ResultsWindow::exportAsked);

    ui->chart->setTable(&model->table());
    fillChartChoosers();
    for (QComboBox *box : {ui->valueBox, ui->labelBox, ui->groupBox}) {
        // Long column names must not widen the window beyond its default size.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &ResultsWindow::chartColumnsChosen);
    }
    connect(ui->saveChartButton, &QPushButton::clicked, this, &ResultsWindow::saveChartAsked);
    connect(ui->tabs, &QTabWidget::currentChanged, this, &ResultsWindow::refreshChartRows);
    chartColumnsChosen();
    applyFilter();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::setDesign(const SiteDesign &design)
{
    siteDesign = design;
    checks = std::make_shared<const DesignChecks>(model->table(), design);
    checksColumn->setChecks(checks);
    designLabel->setText(designSummaryText());
    designLabel->setVisible(true);
    reportPreviewButton->setEnabled(true);
    applyFilter();
    if (columnsSized)
        ui->tableView->resizeColumnToContents(checksColumn->checksColumn());
}

QString ResultsWindow::designSummaryText() const
{
    return checks ? checks->failCountsText(results.verdictCounts()) : QString();
}

QString ResultsWindow::designLine() const
{
    return designLabel->isVisibleTo(this) ? designLabel->text() : QString();
}

void ResultsWindow::setSource(const QDateTime &downloadedAt, qint64 archiveId)
{
    downloadTime = downloadedAt;
    sourceArchiveId = archiveId;
    sourceInTeamArchive = false;
}

void ResultsWindow::setTeamSource(const QDateTime &downloadedAt, qint64 teamId)
{
    setSource(downloadedAt, teamId);
    sourceInTeamArchive = true;
}

SiteDesignDialog *ResultsWindow::openSiteDesign()
{
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.append(model->headerData(column, Qt::Horizontal).toString());
    auto *dialog = new SiteDesignDialog(siteDesign, headers, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        setDesign(dialog->design());
        keepDesign(dialog->design());
    });
    dialog->open();
    return dialog;
}

void ResultsWindow::setArchive(Archive *archive)
{
    designArchive = archive;
    if (!archive || checks)
        return;
    // The design kept for the data's site, when exactly one of its sites has one; the reason
    // when it cannot be used.
    const KeptDesign kept =
        KeptDesign::find(model->table(), [archive](const QString &site, QString *error) {
            const std::optional<QByteArray> json = archive->designFor(site);
            if (!json)
                *error = tr("The archive could not be read: %1", "%1 is the reason")
                             .arg(archive->errorString());
            return json;
        });
    if (kept.design) {
        setDesign(*kept.design);
    } else if (!kept.reason.isEmpty()) {
        designLabel->setText(kept.reason);
        designLabel->setVisible(true);
    }
}

void ResultsWindow::keepDesign(const SiteDesign &design)
{
    if (!designArchive || design.site.isEmpty())
        return;
    if (designArchive->storeDesign(design.site, DesignFile::write(design)))
        return;
    auto *box =
        new QMessageBox(QMessageBox::Warning, tr("Site design"),
                        tr("The design could not be kept in the archive: %1", "%1 is the reason")
                            .arg(designArchive->errorString()),
                        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

ReportPreviewDialog *ResultsWindow::openReport()
{
    if (!checks)
        return nullptr;
    // When the download came: the archive's account of it wherever it keeps it.
    QDateTime downloaded = downloadTime;
    if (sourceArchiveId > 0 && designArchive && !sourceInTeamArchive) {
        const std::optional<DownloadSummary> kept = designArchive->summary(sourceArchiveId);
        if (kept)
            downloaded = kept->ended.isValid() ? kept->ended : kept->started;
    }
    const CommissioningReport report(model->table(), siteDesign, *checks,
                                     ReportTrace::of(receivedBytes, downloaded, sourceArchiveId,
                                                     sourceArchiveId ? QString() : sourceTitle));
    auto *dialog = new ReportPreviewDialog(report, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

QTableView *ResultsWindow::tableView() const
{
    return ui->tableView;
}

ResultsChart *ResultsWindow::chart() const
{
    return ui->chart;
}

void ResultsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (columnsSized)
        return;
    columnsSized = true;
    // Sized to the header and the rows in view, once the view has its size.
    QTimer::singleShot(0, this, [this] { ui->tableView->resizeColumnsToContents(); });
}

void ResultsWindow::applyFilter()
{
    filterDelay.stop();
    filter->setFilterText(ui->filterEdit->text());
    filter->setFailedOnly(ui->failedOnlyBox->isChecked());
    ui->shownLabel->setText(
        tr("%1 of %2 records shown", "%1 and %2 are counts")
            .arg(QLocale().toString(filter->rowCount()), QLocale().toString(model->rowCount())));
    refreshChartRows();
}

void ResultsWindow::fillChartChoosers()
{
    const ResultTable &table = model->table();
    const int recordColumn = table.columnNamed({QStringLiteral("Record"), QStringLiteral("No"),
                                                QStringLiteral("Nr"), QStringLiteral("#")});
    const QString none = tr("(none)");
    ui->labelBox->addItem(none, -1);
    ui->groupBox->addItem(none, -1);
    int firstValue = -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString name = model->headerData(column, Qt::Horizontal).toString();
        ui->labelBox->addItem(name, column);
        ui->groupBox->addItem(name, column);
        if (table.numeric.value(column) && column != table.resultColumn) {
            ui->valueBox->addItem(name, column);
            if (firstValue < 0 && column != recordColumn)
                firstValue = ui->valueBox->count() - 1;
        }
    }
    ui->valueBox->setCurrentIndex(std::max(firstValue, 0));
    ui->labelBox->setCurrentIndex(recordColumn >= 0 ? recordColumn + 1 : 0);
    ui->saveChartButton->setEnabled(ui->valueBox->count() > 0);
}

void ResultsWindow::chartColumnsChosen()
{
    const int value = ui->valueBox->count() > 0 ? ui->valueBox->currentData().toInt() : -1;
    ui->chart->setColumns(value, ui->labelBox->currentData().toInt(),
                          ui->groupBox->currentData().toInt());
}

void ResultsWindow::refreshChartRows()
{
    // The chart draws the rows shown, in their order; worked out only while it is in view.
    if (ui->tabs->currentWidget() != ui->chartTab)
        return;
    QVector<int> rows;
    rows.reserve(filter->rowCount());
    for (int row = 0; row < filter->rowCount(); ++row)
        rows.append(filter->mapToSource(filter->index(row, 0)).row());
    ui->chart->setRows(rows);
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableView && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ResultsWindow::copySelection()
{
    const QString text = selectionText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

QString ResultsWindow::selectionText() const
{
    const QItemSelection selection = ui->tableView->selectionModel()->selection();
    std::set<int> rows;
    std::set<int> columns;
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(row);
        for (int column = range.left(); column <= range.right(); ++column)
            columns.insert(column);
    }
    QString text;
    for (const int row : rows) {
        QStringList cells;
        for (const int column : columns) {
            const QModelIndex index = filter->index(row, column);
            cells.append(selection.contains(index) ? tsvField(index.data().toString()) : QString());
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray ResultsWindow::shownRowsCsv() const
{
    const ResultTable &table = model->table();
    const char delimiter = table.delimiter;
    const int columns = model->columnCount();
    QByteArray csv;
    if (!table.columns.isEmpty()) {
        for (int column = 0; column < table.columns.size(); ++column) {
            if (column > 0)
                csv.append(delimiter);
            csv.append(csvField(table.columns.at(column).toUtf8(), delimiter));
        }
        csv.append("\r\n");
    }
    for (int row = 0; row < filter->rowCount(); ++row) {
        const int source = filter->mapToSource(filter->index(row, 0)).row();
        const int fields = std::min(table.fieldCount(source), columns);
        for (int column = 0; column < fields; ++column) {
            if (column > 0)
                csv.append(delimiter);
            int size = 0;
            const char *data = table.fieldData(source, column, &size);
            csv.append(csvField(QByteArray(data, size), delimiter));
        }
        csv.append("\r\n");
    }
    return csv;
}

SaveStep::Outcome ResultsWindow::exportCsv(const QString &fileName) const
{
    // Already in the data's own form: no European conversion on top.
    return SaveStep::toFile(shownRowsCsv(), fileName, false);
}

void ResultsWindow::exportAsked()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export the rows shown"), QString(),
        tr("Comma Separated Value files (*.csv)") + QStringLiteral(";;") + tr("All files (*.*)"));
    if (fileName.isEmpty())
        return;
    const SaveStep::Outcome outcome = exportCsv(fileName);
    if (!outcome.saved())
        QMessageBox::warning(this, windowTitle(),
                             outcome.reason.isEmpty()
                                 ? outcome.headline
                                 : outcome.headline + QStringLiteral("\n\n") + outcome.reason);
}

void ResultsWindow::saveChartAsked()
{
    const QString png = tr("PNG images (*.png)");
    const QString svg = tr("SVG images (*.svg)");
    QString chosen = png;
    QString fileName = QFileDialog::getSaveFileName(this, tr("Save the chart"), QString(),
                                                    png + QStringLiteral(";;") + svg, &chosen);
    if (fileName.isEmpty())
        return;
    const bool asSvg =
        fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
        (chosen == svg && !fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive));
    QString error;
    const bool saved =
        asSvg ? ui->chart->saveSvg(fileName, &error) : ui->chart->savePng(fileName, &error);
    if (!saved)
        QMessageBox::warning(this, windowTitle(),
                             tr("The chart could not be saved as \"%1\": %2",
                                "%1 is a file name, %2 the system's reason")
                                 .arg(fileName, error));
}
