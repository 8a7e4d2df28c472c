#include "gui/StatusMessage.h"

#include "gui/CompletenessIndicator.h"

#include <QStatusBar>
#include <QStringList>
#include <QTextLayout>

namespace {

// The status bar grows by two lines of text at most: the window keeps its room for the data.
constexpr int MaxLines = 3;
// The most lines the message may take beside the completeness warning's text.
constexpr int LinesBesideWarning = 2;

// The lines of text, word-wrapped at width as the label draws them, each with the spaces it
// ends in.
QStringList wrapped(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1, width));
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

} // namespace

StatusMessage::StatusMessage(QStatusBar *statusBar) : QLabel(statusBar)
{
    setObjectName(QStringLiteral("statusMessage"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setContentsMargins(4, 0, 0, 0); // where the status bar put its message
    statusBar->addPermanentWidget(this, 1);
    connect(statusBar, &QStatusBar::messageChanged, this, &StatusMessage::setMessage);
}

void StatusMessage::setMessage(const QString &text)
{
    full = text;
    setAccessibleName(full);
    fit();
}

void StatusMessage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit(); // the width changed, also when the warning beside came, went or gave way
}

void StatusMessage::fit()
{
    const int width = contentsRect().width();
    if (indicator && !indicator->isHidden()) {
        const int besideText = indicator->textShown() ? width : width - indicator->textWidth();
        indicator->setTextShown(wrapped(full, font(), besideText).size() <= LinesBesideWarning);
    }
    QString shown = full;
    QStringList lines = wrapped(full, font(), width);
    if (lines.size() > MaxLines) {
        shown.clear();
        for (int i = 0; i < MaxLines - 1; ++i)
            shown += lines.at(i).trimmed() + QLatin1Char('\n');
        const QString rest = lines.mid(MaxLines - 1).join(QString());
        shown += fontMetrics().elidedText(rest, Qt::ElideRight, width);
    }
    setToolTip(shown == full ? QString() : full);
    if (text() != shown)
        setText(shown);
}
