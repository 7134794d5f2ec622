#include "core/page/gatt_link.h"

#include "models/table/model_table.h"
#include "core/page/page_base.h"
#include "core/devices/receiver_manager.h"
#include "ui/ui.h"

#include <array>
#include <memory>
#include <mutex>
#include <utility>

namespace {

struct Slot {
    std::mutex lock;
    CPageBase* pPage = nullptr;
    unsigned uOpening = 0;  // counts openings, so work posted for an earlier one is dropped
};

// One slot per model for the whole process: a callback may run after every page is gone.
Slot& SlotOf(int iModel) {
    static auto* slots = new std::array<Slot, kModelCount>();
    return (*slots)[static_cast<size_t>(iModel - 1)];
}

bool ValidModel(int iModel) { return iModel >= 1 && iModel <= kModelCount; }

template <int N>
void CALLBACK ModelCallback(BTH_LE_GATT_EVENT_TYPE eType, PVOID pEvent, PVOID) {
    CGattLink::Deliver(N, eType, pEvent);
}

template <size_t... I>
constexpr std::array<PFNBLUETOOTH_GATT_EVENT_CALLBACK, sizeof...(I)> MakeCallbacks(std::index_sequence<I...>) {
    return {&ModelCallback<static_cast<int>(I) + 1>...};
}

constexpr auto kCallbacks = MakeCallbacks(std::make_index_sequence<kModelCount>());

}  // namespace

void CGattLink::Open(CPageBase& page) {
    if (!ValidModel(m_iModel)) return;
    Slot& slot = SlotOf(m_iModel);
    std::lock_guard guard(slot.lock);
    slot.pPage = &page;
    ++slot.uOpening;
}

void CGattLink::Close() {
    if (!ValidModel(m_iModel)) return;
    Slot& slot = SlotOf(m_iModel);
    std::lock_guard guard(slot.lock);
    slot.pPage = nullptr;
    ++slot.uOpening;
}

bool CGattLink::IsOpen() const {
    if (!ValidModel(m_iModel)) return false;
    Slot& slot = SlotOf(m_iModel);
    std::lock_guard guard(slot.lock);
    return slot.pPage != nullptr;
}

PFNBLUETOOTH_GATT_EVENT_CALLBACK CGattLink::Callback() const {
    return ValidModel(m_iModel) ? kCallbacks[static_cast<size_t>(m_iModel - 1)] : nullptr;
}

void CGattLink::Deliver(int iModel, BTH_LE_GATT_EVENT_TYPE eType, const void* pEvent) {
    if (!ValidModel(iModel) || eType != CharacteristicValueChangedEvent) return;
    const auto* pChanged = static_cast<const BLUETOOTH_GATT_VALUE_CHANGED_EVENT*>(pEvent);
    std::vector<uint8_t> value;
    if (pChanged != nullptr && pChanged->CharacteristicValue != nullptr) {
        const BTH_LE_GATT_CHARACTERISTIC_VALUE* pValue = pChanged->CharacteristicValue;
        value.assign(pValue->Data, pValue->Data + pValue->DataSize);
    }

    Slot& slot = SlotOf(iModel);
    std::lock_guard guard(slot.lock);
    if (slot.pPage == nullptr) return;
    // A value is id byte, event code, value low, value high.
    if (value.size() >= 4 && value[1] == kAcknowledgeEvent)
        slot.pPage->RecordAcknowledgement(value[1] * 256 + value[0], value[3] * 256 + value[2]);
    const unsigned uOpening = slot.uOpening;
    DuiLib::CPaintManagerUI::RunOnUiThread([iModel, uOpening, value = std::move(value)] {
        Slot& target = SlotOf(iModel);
        CPageBase* pPage = nullptr;
        {
            std::lock_guard lock(target.lock);
            if (target.uOpening == uOpening) pPage = target.pPage;
        }
        // Closing happens on this thread too, so the page stays while its handler runs.
        if (pPage != nullptr) pPage->DeliverGattValue(value);
    });
}
