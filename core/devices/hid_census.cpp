#include "core/devices/hid_census.h"

#include "plugins/include/hidapi_lock.h"

CHidCensus CHidCensus::Take() {
    std::vector<HidInterfaceInfo> interfaces;
    if (LockedHidInit() != 0) return CHidCensus{};
    hid_device_info* pList = LockedHidEnumerate(0, 0);
    for (hid_device_info* p = pList; p != nullptr; p = p->next) {
        interfaces.push_back({p->vendor_id, p->product_id, p->usage_page, p->usage,
                              p->path != nullptr ? std::string(p->path) : std::string()});
    }
    LockedHidFreeEnumeration(pList);
    return CHidCensus{std::move(interfaces)};
}

std::vector<HidInterfaceInfo> CHidCensus::Of(uint16_t wVendorId, uint16_t wProductId) const {
    std::vector<HidInterfaceInfo> found;
    for (const HidInterfaceInfo& info : m_interfaces)
        if (info.wVendorId == wVendorId && info.wProductId == wProductId) found.push_back(info);
    return found;
}

bool CHidCensus::Has(uint16_t wVendorId, uint16_t wProductId) const {
    for (const HidInterfaceInfo& info : m_interfaces)
        if (info.wVendorId == wVendorId && info.wProductId == wProductId) return true;
    return false;
}
