// tester-emulator: the far end of a serial line, answering like a solar
// installation tester, for the workflow tests, the demo and the benchmarks.

#include "DeviceLink.h"
#include "EmulatorOptions.h"
#include "PseudoTerminal.h"
#include "TesterDataSet.h"
#include "TesterEmulator.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void requestStop(int)
{
    stopRequested = 1;
}

void installSignalHandlers()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocking poll returns at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN); // a closed stdout or stderr must not end a session
}

bool writeAll(std::FILE *file, const std::string &bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
           std::fflush(file) == 0;
}

bool readFile(const std::string &path, std::string *bytes, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (in)
        bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    EmulatorOptions options;
    std::string error;
    if (!options.parse(argc, argv, &error)) {
        std::fprintf(stderr, "tester-emulator: %s\n%s", error.c_str(), EmulatorOptions::usage());
        return 2;
    }
    if (options.help) {
        std::fputs(EmulatorOptions::usage(), stdout);
        return 0;
    }
    if (options.printData)
        return writeAll(stdout, TesterDataSet::builtIn()) ? 0 : 1;

    std::string results;
    if (options.dataFile.empty()) {
        results = TesterDataSet::builtIn();
    } else if (!readFile(options.dataFile, &results, &error)) {
        std::fprintf(stderr, "tester-emulator: %s\n", error.c_str());
        return 1;
    }

    installSignalHandlers();
    PseudoTerminal terminal;
    if (!terminal.open(&error)) {
        std::fprintf(stderr, "tester-emulator: %s\n", error.c_str());
        return 1;
    }
    DeviceLink link;
    if (!options.linkPath.empty() && !link.create(options.linkPath, terminal.slavePath(), &error)) {
        std::fprintf(stderr, "tester-emulator: %s\n", error.c_str());
        return 1;
    }

    // The first line on stdout is the device to open; whoever started the
    // emulator reads it to find the port.
    if (!writeAll(stdout, terminal.slavePath() + "\n"))
        std::fprintf(stderr, "tester-emulator: cannot write the device path to stdout\n");

    TesterEmulator emulator(options, std::move(results), terminal, stopRequested);
    return emulator.run();
}
