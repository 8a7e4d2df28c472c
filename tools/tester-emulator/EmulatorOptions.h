#pragma once

#include <cstdint>
#include <string>

// What the emulated tester does, as chosen on the command line.
struct EmulatorOptions
{
    static constexpr long long none = -1;

    std::string linkPath;    // --link: stable symlink to the slave device
    std::string dataFile;    // --data: send this file's bytes instead of the built-in set
    bool printData = false;  // --print-data: write the built-in set to stdout and exit
    long baud = 9600;        // --baud: pacing of an 8N1 line; 0 = as fast as the line takes them
    long long nulPrefix = 0; // --nul-prefix: NUL bytes sent when the port is opened
    long long pauseAfter = none;  // --pause-after: reply bytes before the pause
    long long pauseMs = none;     // --pause-ms: length of the pause
    bool bit7 = false;            // --bit7: set bit 7 on every byte sent
    long long hangupAfter = none; // --hangup-after: reply bytes before the line drops
    bool ignoreCommands = false;  // --ignore-commands: never answer
    bool help = false;

    // Fills the options from argv. On a bad command line returns false and
    // describes the fault in *error.
    bool parse(int argc, char **argv, std::string *error);

    static const char *usage();
};
