// The written-report log a run of the real program can be checked with from outside: with
// SIMHID_LOG=FILE in the environment, every report the program writes to a simulated interface is
// appended to FILE as one line:
//   <milliseconds since the process started> <interface path> feature|output <bytes in hex>
// e.g. "1532 \\?\HID#VID_1D57&PID_FA60&MI_01&Col01#7&5e000000&0&0000#{...} feature 0C 0A 01 FE ..."
#pragma once

#include <cstddef>
#include <string>

namespace simhid {

// Appends one line when SIMHID_LOG names a file; nothing otherwise. Thread-safe.
void LogWrite(const std::string& path, int kind, const unsigned char* data, size_t length);

}  // namespace simhid
