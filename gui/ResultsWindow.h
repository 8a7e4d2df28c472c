#pragma once

#include "download/SaveStep.h"
#include "results/ResultsSummary.h"

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class ResultsWindow;
}

class ResultsChart;
class ResultsFilterModel;
class ResultsModel;
class QTableView;

// A download read as results, in a window of its own: the summary line and the completeness
// warnings above a table of the records (sorted by a click on a column, numbers as numbers,
// filtered by a text and by "Failed only", FAIL rows marked by colour and an icon) and a chart
// of one numeric column. The selection is copied as tab-separated text (Ctrl+C); the rows shown
// are exported as CSV; the chart is saved as PNG or SVG. The data itself is never changed.
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

public slots:
    void copySelection();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
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
};
