#pragma once

#include <string>
#include <vector>

// The results held in the emulated tester's memory: 250 string tests of a PV
// installation tester over eight site visits, as CSV text with a header line
// and CR LF line ends. Generated from a fixed seed with integer arithmetic
// only, so every build on every platform produces the same bytes.
class TesterDataSet
{
public:
    static std::string builtIn();
    // The Record numbers of the strings in builtIn() that are one module short (a bypassed
    // module or a swapped plug): their Voc is one module low, and the tester, which judges
    // insulation and continuity only, passes them.
    static std::vector<int> oneModuleShort();
};
