#pragma once

#include <QString>

class QPlainTextEdit;

// Feeds the output box with the text of a download, always at its end. A text box keeps
// bookkeeping for every paragraph that costs more than receiving the line: lines are grouped
// into paragraphs of a few dozen, joined by line separators, which show, scroll and copy as
// line breaks.
class OutputBox
{
public:
    explicit OutputBox(QPlainTextEdit *box) : box(box) {}

    void clear();
    void append(QString text);

private:
    QPlainTextEdit *box;
    int linesInParagraph = 0;
};
