#include "gui/CompletenessIndicator.h"

#include "results/ResultsCheck.h"
#include "results/ResultsParser.h"

#include <QHBoxLayout>
#include <QStatusBar>
#include <QStyle>
#include <QThread>

#include <memory>

namespace {

// The first warning's width in the status bar at most; the whole of it is in the tooltip.
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

CompletenessIndicator::~CompletenessIndicator()
{
    for (QThread *check : findChildren<QThread *>())
        check->wait();
}

void CompletenessIndicator::showFor(const QByteArray &received)
{
    clear();
    if (received.isEmpty())
        return;
    // The data is shared, not copied; the check reads it as a whole and keeps only the texts.
    auto found = std::make_shared<QStringList>();
    QThread *check = QThread::create([received, found] {
        for (const ResultWarning &warning : ResultsCheck::check(ResultsParser::parse(received)))
            found->append(warning.text);
    });
    check->setParent(this);
    const int asked = generation;
    connect(check, &QThread::finished, this, [this, check, found, asked] {
        check->deleteLater();
        if (asked != generation)
            return;
        checking = false;
        show(*found);
    });
    checking = true;
    check->start(QThread::LowPriority);
}

void CompletenessIndicator::show(const QStringList &warnings)
{
    shown = warnings;
    if (shown.isEmpty()) {
        hide();
        return;
    }
    textLabel->setText(
        textLabel->fontMetrics().elidedText(shown.constFirst(), Qt::ElideRight, MaxTextWidth));
    setToolTip(shown.join(QLatin1Char('\n')));
    setAccessibleName(shown.constFirst());
    QWidget::show();
}

void CompletenessIndicator::clear()
{
    ++generation;
    checking = false;
    shown.clear();
    textLabel->clear();
    textLabel->show();
    setToolTip(QString());
    setAccessibleName(QString());
    hide();
}

int CompletenessIndicator::textWidth() const
{
    return textLabel->sizeHint().width() + layout()->spacing();
}
