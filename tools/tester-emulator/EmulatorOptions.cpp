#include "EmulatorOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool toNumber(const char *text, long long max, long long *value)
{
    if (text == nullptr || *text == '\0' || *text == '-' || *text == '+')
        return false;
    errno = 0;
    char *end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < 0 || v > max)
        return false;
    *value = v;
    return true;
}

} // namespace

const char *EmulatorOptions::usage()
{
    return "Usage: tester-emulator [options]\n"
           "Acts as a solar installation tester at the far end of a serial line: opens a\n"
           "pseudo-terminal, prints its device path as the first line on stdout, and on\n"
           "\"SYST:REM\\r\\n\" then \"MEM:DATA? ALL\\r\\n\" sends its stored results, if the\n"
           "port is set to 9600 baud, 1 stop bit, no flow control (else it logs why not).\n"
           "\n"
           "  --link PATH         also make PATH a symlink to the device (removed on exit)\n"
           "  --data FILE         send the bytes of FILE instead of the built-in results\n"
           "  --print-data        write the built-in results to stdout and exit\n"
           "  --baud N            pace the bytes like an N baud 8N1 line (default 9600);\n"
           "                      0 sends as fast as the line takes them\n"
           "  --nul-prefix N      send N NUL bytes each time the port is opened\n"
           "  --pause-after K     pause once after K bytes of each reply ...\n"
           "  --pause-ms N        ... for N milliseconds (default 1000)\n"
           "  --bit7              set bit 7 on every byte sent\n"
           "  --hangup-after K    drop the line after K bytes of the reply and exit\n"
           "  --ignore-commands   never answer\n"
           "  -h, --help          show this help\n";
}

bool EmulatorOptions::parse(int argc, char **argv, std::string *error)
{
    const long long maxCount = 1LL << 40;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto needsValue = [&]() {
            if (value != nullptr)
                return true;
            *error = "option " + arg + " needs a value";
            return false;
        };
        auto number = [&](long long max, long long *out) {
            if (!needsValue())
                return false;
            if (!toNumber(value, max, out)) {
                *error = "option " + arg + ": '" + value + "' is not a number from 0 to " +
                         std::to_string(max);
                return false;
            }
            ++i;
            return true;
        };

        if (arg == "-h" || arg == "--help") {
            help = true;
        } else if (arg == "--print-data") {
            printData = true;
        } else if (arg == "--bit7") {
            bit7 = true;
        } else if (arg == "--ignore-commands") {
            ignoreCommands = true;
        } else if (arg == "--link" || arg == "--data") {
            if (!needsValue())
                return false;
            if (*value == '\0') {
                *error = "option " + arg + " needs a non-empty value";
                return false;
            }
            (arg == "--link" ? linkPath : dataFile) = value;
            ++i;
        } else if (arg == "--baud") {
            long long v = 0;
            if (!number(4000000, &v))
                return false;
            baud = static_cast<long>(v);
        } else if (arg == "--nul-prefix") {
            if (!number(maxCount, &nulPrefix))
                return false;
        } else if (arg == "--pause-after") {
            if (!number(maxCount, &pauseAfter))
                return false;
        } else if (arg == "--pause-ms") {
            if (!number(24LL * 3600 * 1000, &pauseMs))
                return false;
        } else if (arg == "--hangup-after") {
            if (!number(maxCount, &hangupAfter))
                return false;
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if (pauseMs != none && pauseAfter == none) {
        *error = "--pause-ms needs --pause-after";
        return false;
    }
    if (pauseAfter != none && pauseMs == none)
        pauseMs = 1000;
    return true;
}
