#include "gui/OutputBox.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
// Short enough that laying out one paragraph stays cheap.
const int linesPerParagraph = 32;
} // namespace

void OutputBox::clear()
{
    box->clear();
    linesInParagraph = 0;
}

void OutputBox::append(QString text)
{
    if (text.isEmpty())
        return;
    for (QChar &c : text) {
        if (c == QLatin1Char('\n') && ++linesInParagraph < linesPerParagraph)
            c = QChar::LineSeparator;
        else if (c == QLatin1Char('\n'))
            linesInParagraph = 0;
    }
    // Always at the end, even if the user clicked into the box.
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}
