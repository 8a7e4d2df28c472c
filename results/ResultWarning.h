#pragma once

#include <QString>

// Something that suggests a download is not whole: what kind of thing, the line of the data it
// was found on (counted from 1; 0 when it concerns no one line), and its translated text.
struct ResultWarning
{
    enum class Kind {
        // The data ends without a line end: the last record was cut short.
        LastRecordIncomplete,
        // No header, and the first row's field count differs from the rest: the data starts
        // in the middle of a record.
        StartsMidRecord,
        // A row with a different field count than the header (or than most rows).
        FieldCount,
        // The record numbers skip some numbers, or repeat or go back.
        RecordNumberGap,
        RecordNumberRepeat,
    };

    Kind kind = Kind::LastRecordIncomplete;
    int line = 0;
    QString text;
};
