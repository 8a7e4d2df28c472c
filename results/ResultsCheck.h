#pragma once

#include "results/ResultTable.h"
#include "results/ResultWarning.h"

#include <QVector>

// Whether a download read as a table looks whole: a last record cut short, a first record
// that begins in the middle, rows with a field count of their own, record numbers that skip or
// repeat. Each kind of row warning is listed for the first few rows, then counted.
class ResultsCheck
{
public:
    static QVector<ResultWarning> check(const ResultTable &table);

    // Rows of one kind listed one by one before the rest are counted in one more warning.
    static constexpr int listedRows = 10;
};
