#include "archive/DownloadEndingText.h"

#include "common/EnumTable.h"

namespace {

// Each in the order of DownloadEnding; an unknown value reads as the last, "interrupted".
constexpr int endingCount = int(DownloadEnding::Interrupted) + 1;

} // namespace

QString DownloadEndingText::name(DownloadEnding ending)
{
    static const char *const names[endingCount] = {"silence", "line-lost", "cancelled",
                                                   "interrupted"};
    return QLatin1String(enumEntry(names, ending));
}

QString DownloadEndingText::text(DownloadEnding ending)
{
    static const TranslatableText texts[endingCount] = {
        QT_TRANSLATE_NOOP3("DownloadEndingText", "Finished",
                           "a download that ended when the tester fell silent"),
        QT_TRANSLATE_NOOP3("DownloadEndingText", "Line lost",
                           "a download that ended when the connection was lost"),
        QT_TRANSLATE_NOOP3("DownloadEndingText", "Cancelled", "a download stopped by the user"),
        QT_TRANSLATE_NOOP3("DownloadEndingText", "Interrupted",
                           "a download stopped when the program was closed or stopped")};
    const auto &entry = enumEntry(texts, ending);
    return tr(entry.source, entry.comment);
}
