#pragma once

#include <algorithm>
#include <cstddef>

// Names and texts kept in a table in the order of an enum: the entry for a value, and the last
// entry for a value outside the enum (as a damaged file or a newer program may give).
// A text to translate with its note for translators, as QT_TRANSLATE_NOOP3 gives it.
struct TranslatableText
{
    const char *source;
    const char *comment;
};

template <typename Entry, std::size_t N, typename Enum>
const Entry &enumEntry(const Entry (&table)[N], Enum value)
{
    return table[std::clamp(int(value), 0, int(N) - 1)];
}
