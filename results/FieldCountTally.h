#pragma once

#include <unordered_map>

// Counts how many rows have each field count and names the count most rows have; on a tie, the
// one that got there first. 0 before any row.
class FieldCountTally
{
public:
    void add(int fields);
    int mostCommon() const { return best; }

private:
    std::unordered_map<int, int> seen;
    int best = 0;
    int bestRows = 0;
};
