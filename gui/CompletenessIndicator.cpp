#include "gui/CompletenessIndicator.h"

#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"

#include <QHBoxLayout>
#include <QStatusBar>
#include <QStyle>

namespace {

// The first warning's width in the status bar at most; the rest of it is in the tooltip.
constexpr int MaxTextWidth = 260;

} // namespace

CompletenessIndicator::CompletenessIndicator(QStatusBar *statusBar)
    : QWidget(statusBar), iconLabel(new QLabel(this)), textLabel(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(4);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    iconLabel->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    layout->addWidget(iconLabel);
    layout->addWidget(textLabel);
    statusBar->addPermanentWidget(this);
    hide();
}

void CompletenessIndicator::showFor(const QByteArray &received)
{
    clear();
    if (received.isEmpty())
        return;
    for (const ResultWarning &warning : ResultsCheck::check(ResultsParser::parse(received)))
        shown.append(warning.text);
    if (shown.isEmpty())
        return;
    textLabel->setText(
        textLabel->fontMetrics().elidedText(shown.constFirst(), Qt::ElideRight, MaxTextWidth));
    setToolTip(shown.join(QLatin1Char('\n')));
    show();
}

void CompletenessIndicator::clear()
{
    shown.clear();
    textLabel->clear();
    setToolTip(QString());
    hide();
}
