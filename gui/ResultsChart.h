#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

struct ResultTable;
class QPainter;

// One numeric column of a table of results as bars, one per row, labelled by the text of
// another column and grouped by a third (rows of one group side by side, each group named
// under its bars). The column's minimum and maximum are marked by lines across the chart
// and by their bars' outline; bars of rows the tester failed are hatched. More rows than
// pixels are drawn as the highest value of each pixel's rows. Saved as PNG or SVG.
class ResultsChart : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsChart(QWidget *parent = nullptr);

    // The table to draw from (not owned; it must outlive the chart) and the rows to draw, in
    // the order given.
    void setTable(const ResultTable *table);
    void setRows(const QVector<int> &rows);
    // The column drawn as bars, the column that labels each bar and the column that groups
    // them; -1 for none.
    void setColumns(int value, int label, int group);
    int valueColumn() const { return value; }

    // The lowest and highest value drawn; false when there are no numbers to draw.
    bool range(double *minimum, double *maximum) const;

    // Draws the chart into the rectangle.
    void paintChart(QPainter &painter, const QRect &area) const;

    // Writes the chart at the widget's size (at least 640 × 400) as a PNG or SVG file, whole
    // or not at all; false with the reason in error when it could not be written.
    bool savePng(const QString &fileName, QString *error) const;
    bool saveSvg(const QString &fileName, QString *error) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Bar
    {
        int row;
        double value;
    };
    struct Group
    {
        QString name;
        QVector<Bar> bars;
    };
    QVector<Group> groups() const;
    QSize exportSize() const;

    const ResultTable *table = nullptr;
    QVector<int> rows;
    int value = -1;
    int label = -1;
    int group = -1;
};
