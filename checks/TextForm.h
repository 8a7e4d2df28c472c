#pragma once

#include <QString>

// How the checks and the report put figures and the user's texts into their sentences, the
// same way in the window, on the command line and in the PDF.
namespace TextForm {

// A figure in the default locale's format with that many decimals ("1e+308" beyond 10¹²); "—"
// when it is not finite.
QString number(double value, int decimals);

// How a text of the user's (a name from the data or the design) goes into the program's words.
enum class Names {
    Plain,    // as it is: the command line, the window
    Isolated, // shortened(), between U+2068 and U+2069: the report
};
// The text in that form. Isolated, a right-to-left override or any other direction mark in it
// cannot reorder the words around it.
QString name(const QString &text, Names form);

// The text cut to at most longest characters with "…" in place of the rest, never within a
// character; the text itself when it is no longer.
QString shortened(const QString &text, int longest);

// The longest name the report shows whole.
constexpr int longestName = 60;

} // namespace TextForm
