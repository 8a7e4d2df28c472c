#pragma once

#include <string>

// The results held in the emulated tester's memory: 250 string tests of a PV
// installation tester over eight site visits, as CSV text with a header line
// and CR LF line ends. Generated from a fixed seed with integer arithmetic
// only, so every build on every platform produces the same bytes.
class TesterDataSet
{
public:
    static std::string builtIn();
};
