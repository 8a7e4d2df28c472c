#pragma once

#include "checks/DesignChecks.h"
#include "checks/SiteDesign.h"
#include "download/SaveStep.h"
#include "results/ResultsSummary.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class ResultsWindow;
}

class Archive;
class DesignChecksColumn;
class QLabel;
class QPushButton;
class ReportPreviewDialog;
class ResultsChart;
class SiteDesignDialog;
class ResultsFilterModel;
class ResultsModel;
class QTableView;

// A download read as results, in a window of its own: the summary line and the completeness
// warnings above a table of the records (sorted by a click on a column, numbers as numbers,
// filtered by a text and by "Failed only", FAIL rows marked by colour and an icon) and a chart
// of one numeric column. The selection is copied as tab-separated text (Ctrl+C); the rows shown
// are exported as CSV; the chart is saved as PNG or SVG. The data itself is never changed.
// Once a site design is set ("Site design…"), a "Design checks" column gives each row's verdict
// against it, with the reasons in its tooltip, and the summary counts the rows the checks fail
// beyond the tester's; "Report…" previews the commissioning report and saves it as PDF.
class ResultsWindow : public QWidget
{
    Q_OBJECT

public:
    // The data as received (or as read from a saved file), and what the title names it by.
    ResultsWindow(const QByteArray &received, const QString &title, QWidget *parent = nullptr);
    ~ResultsWindow() override;

    const ResultsSummary &summary() const { return results; }
    // The rows as shown: sorted and filtered.
    ResultsFilterModel *shownRows() const { return filter; }
    QTableView *tableView() const;
    ResultsChart *chart() const;

    // The selected cells as text: one line per row, tabs between the columns.
    QString selectionText() const;
    // The rows shown, in their order, with the header, as CSV with the data's own delimiter.
    QByteArray shownRowsCsv() const;
    // Writes shownRowsCsv() through the save step.
    SaveStep::Outcome exportCsv(const QString &fileName) const;

    // Checks the rows against the design: the column, the summary line and the report.
    void setDesign(const SiteDesign &design);
    bool hasDesign() const { return checks != nullptr; }
    SiteDesign design() const { return siteDesign; }
    const DesignChecks *designChecks() const { return checks.get(); }
    // "12 FAIL by the tester · 7 more by the design checks"; empty without a design.
    QString designSummaryText() const;
    // The design's line as shown: designSummaryText(), or why the design the archive keeps for
    // the site cannot be used; empty when there is neither.
    QString designLine() const;
    // Where the data came from, for the report's trace: the download's time and its id in the
    // archive (0 when it was read from a file).
    void setSource(const QDateTime &downloadedAt, qint64 archiveId = 0);
    // The same for a download of the team archive: its number there, as --report ID --team
    // names it; the local archive's account of its own downloads is not asked.
    void setTeamSource(const QDateTime &downloadedAt, qint64 teamId);

    // The archive that keeps the sites' designs (not owned; it must outlive the window, or be
    // set to nullptr first). A design it keeps for the data's one site with a design is applied
    // at once (KeptDesign: the reason shown when it cannot be used); a design chosen in the Site
    // design dialog is kept there for its site.
    void setArchive(Archive *archive);

    QPushButton *siteDesignButton() const { return designButton; }
    QPushButton *reportButton() const { return reportPreviewButton; }
    // Opens the Site design dialog (window-modal) with the table's headers; its design is
    // applied when it is accepted.
    SiteDesignDialog *openSiteDesign();
    // Opens the report's preview; nullptr without a design (the button is disabled then).
    ReportPreviewDialog *openReport();

public slots:
    void copySelection();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void keepDesign(const SiteDesign &design);
    void applyFilter();
    void chartColumnsChosen();
    void refreshChartRows();
    void exportAsked();
    void saveChartAsked();
    void fillChartChoosers();

    std::unique_ptr<Ui::ResultsWindow> ui;
    ResultsModel *model;
    ResultsFilterModel *filter;
    ResultsSummary results;
    QTimer filterDelay;
    bool columnsSized = false;

    QByteArray receivedBytes;
    QString sourceTitle;
    QDateTime downloadTime;
    qint64 sourceArchiveId = 0;
    bool sourceInTeamArchive = false;
    DesignChecksColumn *checksColumn;
    SiteDesign siteDesign;
    std::shared_ptr<const DesignChecks> checks;
    Archive *designArchive = nullptr;
    QLabel *designLabel;
    QPushButton *designButton;
    QPushButton *reportPreviewButton;
};
