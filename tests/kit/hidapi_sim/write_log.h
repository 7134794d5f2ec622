// The logs a run of the real program can be checked with from outside:
// - SIMHID_LOG=FILE: every report the program writes to a simulated interface is appended as
//     <milliseconds since the process started> <interface path> feature|output <bytes in hex>
//   e.g. "1532 \\?\HID#VID_1D57&PID_FA60&MI_01&Col01#7&5e000000&0&0000#{...} feature 0C 0A 01 FE ..."
// - SIMHID_ENUM_LOG=FILE: every enumeration is appended as
//     <milliseconds since the process started> enumerate <thread id> <shown> <vendor> <product>
//   where <shown> is 1 once a top-level window of the process is visible, else 0 (hex ids).
#pragma once

#include <cstddef>
#include <string>

namespace simhid {

// Append one line when their variable names a file; nothing otherwise. Thread-safe.
void LogWrite(const std::string& path, int kind, const unsigned char* data, size_t length);
void LogEnumeration(unsigned short vendorId, unsigned short productId);

}  // namespace simhid
