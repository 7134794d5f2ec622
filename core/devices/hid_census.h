// One look at every HID interface the system lists, kept as plain values: the receivers, the
// Bluetooth probes and the cabled mice that need to know what is there at the same moment ask
// this list instead of each enumerating again (an enumeration walks every HID interface of the
// machine, dozens on a real PC).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HidInterfaceInfo {
    uint16_t wVendorId = 0;
    uint16_t wProductId = 0;
    uint16_t wUsagePage = 0;
    uint16_t wUsage = 0;
    std::string strPath;
};

class CHidCensus {
public:
    CHidCensus() = default;
    explicit CHidCensus(std::vector<HidInterfaceInfo> interfaces) : m_interfaces(std::move(interfaces)) {}

    // One enumeration of every interface (hidapi set up first; an empty list when it cannot be).
    static CHidCensus Take();

    // The interfaces of one device kind, in the order the system listed them.
    std::vector<HidInterfaceInfo> Of(uint16_t wVendorId, uint16_t wProductId) const;
    bool Has(uint16_t wVendorId, uint16_t wProductId) const;
    const std::vector<HidInterfaceInfo>& All() const { return m_interfaces; }

private:
    std::vector<HidInterfaceInfo> m_interfaces;
};
