#include "core/devices/ble_gatt_api.h"

USHORT ShortUuidOf(const BTH_LE_UUID& uuid) {
    if (uuid.IsShortUuid) return uuid.Value.ShortUuid;
    // Bluetooth base UUID 00000000-0000-1000-8000-00805F9B34FB.
    static constexpr BYTE kBaseTail[8] = {0x80, 0x00, 0x00, 0x80, 0x5F, 0x9B, 0x34, 0xFB};
    const GUID& g = uuid.Value.LongUuid;
    if (g.Data1 > 0xFFFF || g.Data2 != 0x0000 || g.Data3 != 0x1000) return 0;
    for (int i = 0; i < 8; ++i)
        if (g.Data4[i] != kBaseTail[i]) return 0;
    return static_cast<USHORT>(g.Data1);
}
