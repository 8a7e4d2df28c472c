#include "checks/TextForm.h"

#include <QLocale>

#include <cmath>

namespace TextForm {

QString number(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    // Beyond any reading: a few digits and the exponent, not hundreds of digits.
    if (std::fabs(value) >= 1e12)
        return QLocale().toString(value, 'g', 6);
    return QLocale().toString(value, 'f', decimals);
}

QString shortened(const QString &text, int longest)
{
    if (text.size() <= longest)
        return text;
    int cut = qMax(0, longest - 1);
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("…");
}

QString name(const QString &text, Names form)
{
    if (form == Names::Plain)
        return text;
    QString inner = shortened(text, longestName);
    // An isolate of the text's own could end this one early.
    for (const QChar mark : {QChar(0x2066), QChar(0x2067), QChar(0x2068), QChar(0x2069)})
        inner.remove(mark);
    return QChar(0x2068) + inner + QChar(0x2069);
}

} // namespace TextForm
