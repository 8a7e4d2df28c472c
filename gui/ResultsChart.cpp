#include "gui/ResultsChart.h"

#include "results/ResultTable.h"

#include <QHash>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

const QColor BarColour(70, 120, 180);
const QColor FailColour(200, 60, 60);
const QColor MinimumColour(0, 120, 60);
const QColor MaximumColour(190, 90, 0);

// A step of 1, 2 or 5 times a power of ten near span / count.
double niceStep(double span, int count)
{
    const double rough = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    return (fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0) * power;
}

QString chartNumber(double value)
{
    return QLocale().toString(value, 'g', 6);
}

} // namespace

ResultsChart::ResultsChart(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ResultsChart::setTable(const ResultTable *results)
{
    table = results;
    rows.clear();
    update();
}

void ResultsChart::setRows(const QVector<int> &shown)
{
    rows = shown;
    update();
}

void ResultsChart::setColumns(int valueColumn, int labelColumn, int groupColumn)
{
    value = valueColumn;
    label = labelColumn;
    group = groupColumn;
    update();
}

QVector<ResultsChart::Group> ResultsChart::groups() const
{
    QVector<Group> result;
    if (!table || value < 0)
        return result;
    QHash<QString, int> groupOf;
    for (const int row : rows) {
        bool ok = false;
        const double number = table->number(row, value, &ok);
        if (!ok || !std::isfinite(number))
            continue;
        const QString name = group >= 0 ? table->field(row, group) : QString();
        auto found = groupOf.constFind(name);
        if (found == groupOf.constEnd()) {
            found = groupOf.insert(name, result.size());
            result.append({name, {}});
        }
        result[*found].bars.append({row, number});
    }
    return result;
}

bool ResultsChart::range(double *minimum, double *maximum) const
{
    bool any = false;
    for (const Group &each : groups()) {
        for (const Bar &bar : each.bars) {
            if (!any || bar.value < *minimum)
                *minimum = bar.value;
            if (!any || bar.value > *maximum)
                *maximum = bar.value;
            any = true;
        }
    }
    return any;
}

void ResultsChart::paintChart(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    const QVector<Group> drawn = groups();
    double minimum = 0.0;
    double maximum = 0.0;
    if (!range(&minimum, &maximum)) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("This column holds no numbers to draw."));
        painter.restore();
        return;
    }
    int barCount = 0;
    for (const Group &each : drawn)
        barCount += each.bars.size();

    // The title: the column and how many bars.
    const QString columnName = table->columns.value(value, QString::number(value + 1));
    painter.drawText(area.adjusted(8, 4, -8, 0), Qt::AlignLeft | Qt::AlignTop, columnName);
    painter.drawText(area.adjusted(8, 4, -8, 0), Qt::AlignRight | Qt::AlignTop,
                     tr("Bars: %1").arg(QLocale().toString(barCount)));

    // The scale from 0 (or below it) to the highest value (or 0).
    double low = std::min(0.0, minimum);
    double high = std::max(0.0, maximum);
    if (high - low <= 0.0)
        high = low + 1.0;
    const double step = niceStep(high - low, 5);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;

    int axisWidth = 0;
    for (double tick = low; tick <= high + step / 2; tick += step)
        axisWidth = std::max(axisWidth, metrics.horizontalAdvance(chartNumber(tick)));
    const int bottomRows = (label >= 0 ? 1 : 0) + (group >= 0 ? 1 : 0);
    const QRect plot =
        area.adjusted(axisWidth + 14, lineHeight + 12, -12, -(bottomRows * lineHeight + 10));
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    const auto yOf = [&](double number) {
        return plot.bottom() - (number - low) / (high - low) * plot.height();
    };

    // The axis and its grid.
    for (double tick = low; tick <= high + step / 2; tick += step) {
        const double y = yOf(tick);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - lineHeight / 2.0, axisWidth + 8, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, chartNumber(tick));
    }
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const double zero = yOf(0.0);
    painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

    // Bars: one slot per bar and one between groups.
    const int slotCount = barCount + drawn.size() - 1;
    const double slot = static_cast<double>(plot.width()) / std::max(slotCount, 1);
    const bool wide = slot >= 3.0;
    const QRect labelRow(plot.left(), plot.bottom() + 4, plot.width(), lineHeight);
    const QRect groupRow(plot.left(), plot.bottom() + 4 + (label >= 0 ? lineHeight : 0),
                         plot.width(), lineHeight);
    double labelEnd = -1e9;
    double groupEnd = -1e9;
    int at = 0;
    QPointF minimumBar, maximumBar;
    bool minimumSeen = false;
    bool maximumSeen = false;
    int pixel = -1;
    double pixelHigh = 0.0;
    double pixelLow = 0.0;
    bool pixelFailed = false;
    const auto flushPixel = [&] {
        if (pixel < 0)
            return;
        painter.setPen(pixelFailed ? FailColour : BarColour);
        painter.drawLine(QPointF(pixel + 0.5, yOf(std::max(pixelHigh, 0.0))),
                         QPointF(pixel + 0.5, yOf(std::min(pixelLow, 0.0))));
    };
    for (const Group &each : drawn) {
        const double groupStart = plot.left() + at * slot;
        for (const Bar &bar : each.bars) {
            const double left = plot.left() + at * slot;
            const double centre = left + slot / 2;
            const double top = yOf(std::max(bar.value, 0.0));
            const double bottom = yOf(std::min(bar.value, 0.0));
            const bool failed = table->failed(bar.row);
            if (wide) {
                const QRectF rect(left + slot * 0.1, top, slot * 0.8, std::max(bottom - top, 1.0));
                painter.fillRect(rect, failed ? FailColour : BarColour);
                if (failed) {
                    // Hatched, so that a FAIL bar differs by more than its colour.
                    painter.save();
                    painter.setClipRect(rect);
                    painter.setPen(QPen(Qt::white, 1));
                    for (double x = rect.left() - rect.height(); x < rect.right(); x += 6)
                        painter.drawLine(QPointF(x, rect.bottom()),
                                         QPointF(x + rect.height(), rect.top()));
                    painter.restore();
                }
                if (bar.value == minimum || bar.value == maximum) {
                    painter.setPen(QPen(bar.value == maximum ? MaximumColour : MinimumColour, 2));
                    painter.drawRect(rect);
                }
            } else {
                const int x = static_cast<int>(centre);
                if (x != pixel) {
                    flushPixel();
                    pixel = x;
                    pixelHigh = pixelLow = bar.value;
                    pixelFailed = false;
                }
                pixelHigh = std::max(pixelHigh, bar.value);
                pixelLow = std::min(pixelLow, bar.value);
                pixelFailed = pixelFailed || failed;
            }
            if (!minimumSeen && bar.value == minimum) {
                minimumSeen = true;
                minimumBar = QPointF(centre, yOf(bar.value));
            }
            if (!maximumSeen && bar.value == maximum) {
                maximumSeen = true;
                maximumBar = QPointF(centre, yOf(bar.value));
            }
            if (label >= 0) {
                const QString text = table->field(bar.row, label);
                const int width = metrics.horizontalAdvance(text);
                if (centre - width / 2.0 > labelEnd + 4 && width <= plot.width()) {
                    painter.setPen(Qt::black);
                    painter.drawText(
                        QRectF(centre - width / 2.0, labelRow.top(), width + 1, lineHeight),
                        Qt::AlignCenter, text);
                    labelEnd = centre + width / 2.0;
                }
            }
            ++at;
        }
        if (group >= 0) {
            const double groupStop = plot.left() + at * slot;
            const int width = metrics.horizontalAdvance(each.name);
            const double centre = (groupStart + groupStop) / 2;
            painter.setPen(Qt::darkGray);
            painter.drawLine(QPointF(groupStart + 1, groupRow.top()),
                             QPointF(groupStop - 1, groupRow.top()));
            if (centre - width / 2.0 > groupEnd + 6) {
                painter.setPen(Qt::black);
                painter.drawText(
                    QRectF(centre - width / 2.0, groupRow.top() + 1, width + 1, lineHeight),
                    Qt::AlignCenter, each.name);
                groupEnd = centre + width / 2.0;
            }
        }
        ++at; // the gap between groups
    }
    flushPixel();

    // The minimum and the maximum: a dashed line across the plot and a mark on its bar.
    const auto mark = [&](double number, const QPointF &bar, const QColor &colour,
                          const QString &text, bool above) {
        const double y = yOf(number);
        painter.setPen(QPen(colour, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(colour);
        painter.setBrush(colour);
        const double tip = above ? -3 : 3;
        const double base = above ? -10 : 10;
        painter.drawPolygon(
            QPolygonF({QPointF(bar.x(), bar.y() + tip), QPointF(bar.x() - 5, bar.y() + base),
                       QPointF(bar.x() + 5, bar.y() + base)}));
        painter.setBrush(Qt::NoBrush);
        const QRectF box(plot.left() + 4, above ? y - lineHeight - 1 : y + 1, plot.width() - 8,
                         lineHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    };
    mark(maximum, maximumBar, MaximumColour, tr("Maximum: %1").arg(chartNumber(maximum)), true);
    if (minimum != maximum)
        mark(minimum, minimumBar, MinimumColour, tr("Minimum: %1").arg(chartNumber(minimum)),
             minimum < 0);
    painter.restore();
}

void ResultsChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, rect());
}

QSize ResultsChart::sizeHint() const
{
    return QSize(640, 360);
}

QSize ResultsChart::minimumSizeHint() const
{
    return QSize(200, 120);
}

QSize ResultsChart::exportSize() const
{
    return size().expandedTo(QSize(640, 400));
}

bool ResultsChart::savePng(const QString &fileName, QString *error) const
{
    QImage image(exportSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font());
        paintChart(painter, image.rect());
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool ResultsChart::saveSvg(const QString &fileName, QString *error) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const QSize size = exportSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(table ? table->columns.value(value) : QString());
    {
        QPainter painter(&generator);
        painter.setFont(font());
        paintChart(painter, QRect(QPoint(0, 0), size));
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
