#include "results/FieldCountTally.h"

void FieldCountTally::add(int fields)
{
    const int times = ++seen[fields];
    if (times > bestRows) {
        best = fields;
        bestRows = times;
    }
}
