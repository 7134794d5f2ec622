#include "core/devices/device_timing.h"

DeviceTiming& Timing() {
    static DeviceTiming timing;
    return timing;
}
