// Scales the device timing table for one test and puts it back afterwards, whatever the test
// changed in it.
#pragma once

#include "core/devices/device_timing.h"

class ScopedTiming {
public:
    ScopedTiming() : m_saved(Timing()) {}
    ~ScopedTiming() { Timing() = m_saved; }
    ScopedTiming(const ScopedTiming&) = delete;
    ScopedTiming& operator=(const ScopedTiming&) = delete;

private:
    DeviceTiming m_saved;
};
