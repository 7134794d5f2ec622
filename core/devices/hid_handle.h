// An opened hidapi device shared by whoever may still use it: the receiver manager, the pages
// it hands a receiver to and their workers while they send. The device closes when the last
// holder lets go, so a handle of an earlier opening is neither leaked nor closed under a send.
#pragma once

#include "plugins/include/hidapi_lock.h"

#include <memory>

struct HidDeviceCloser {
    void operator()(hid_device* p) const {
        if (p != nullptr) hid_close(p);
    }
};

using HidDevicePtr = std::shared_ptr<hid_device>;

inline HidDevicePtr OpenHidPath(const char* path) {
    hid_device* p = LockedHidOpenPath(path);
    if (p == nullptr) return nullptr;
    return HidDevicePtr(p, HidDeviceCloser{});
}
