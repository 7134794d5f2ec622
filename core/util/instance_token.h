// The instance token of a HID interface path: the piece of the device instance id that all
// interfaces of one receiver share, e.g. "2a5b3c40" in
//   \\?\HID#VID_1D57&PID_FA60&MI_01&Col02#7&2a5b3c40&0&0001#{4d1e55b2-...}
// The receiver manager pairs a receiver's command and event interfaces by comparing tokens
// without regard to case.
#pragma once

#include <string>
#include <string_view>

// Longest token kept, in characters.
constexpr size_t kMaxInstanceTokenLength = 259;

// The fifth '&'-separated field of the path (runs of '&' separate once and a leading '&'
// starts no field), in the ANSI code page, cut to kMaxInstanceTokenLength characters; empty
// when the path has fewer than five fields. The path is not changed.
std::wstring GetInstanceToken(std::string_view strDevicePath);
