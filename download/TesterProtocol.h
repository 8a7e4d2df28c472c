// What is said to the tester: it is put into remote operation, then asked for every stored
// result, which it streams and then falls silent. Plain C++, shared with the tester emulator.
#pragma once

namespace TesterProtocol {

inline constexpr char remoteCommand[] = "SYST:REM\r\n";
inline constexpr char allDataCommand[] = "MEM:DATA? ALL\r\n";

} // namespace TesterProtocol
