#include "ui/layout/linear_layout.h"

namespace DuiLib {

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

std::vector<TLinearSlot> ComputeLinearSlots(const std::vector<CControlUI*>& items, bool bVertical, SIZE szArea,
                                            int iChildPadding, int& iRequired) {
    std::vector<TLinearSlot> slots;
    const int iAvailable = bVertical ? szArea.cy : szArea.cx;
    int iFixed = 0;
    int nAdjustables = 0;
    for (CControlUI* pControl : items) {
        if (!pControl->IsVisible() || pControl->IsFloat()) continue;
        const SIZE sz = pControl->EstimateSize(szArea);
        const RECT rcPadding = pControl->GetPadding();
        const int iMin = bVertical ? pControl->GetMinHeight() : pControl->GetMinWidth();
        const int iMax = bVertical ? pControl->GetMaxHeight() : pControl->GetMaxWidth();
        int iExtent = bVertical ? sz.cy : sz.cx;
        if (iExtent > 0) {
            iExtent = Clamp(iExtent, iMin, iMax);
        } else {
            iExtent = -1;  // shares the rest
            ++nAdjustables;
        }
        slots.push_back(TLinearSlot{pControl, iExtent});
        iFixed += (iExtent > 0 ? iExtent : iMin) +
                  (bVertical ? rcPadding.top + rcPadding.bottom : rcPadding.left + rcPadding.right);
    }
    if (!slots.empty()) iFixed += (static_cast<int>(slots.size()) - 1) * iChildPadding;

    // Adjustable children start at their minimum; the free length is shared out equally and the
    // rounding remainder goes to the last of them.
    int iFree = iAvailable - iFixed;
    if (iFree < 0) iFree = 0;
    int iShare = nAdjustables > 0 ? iFree / nAdjustables : 0;
    int iRemainder = nAdjustables > 0 ? iFree - iShare * nAdjustables : 0;
    int iSeen = 0;
    iRequired = iFixed;
    for (TLinearSlot& slot : slots) {
        if (slot.iExtent >= 0) continue;
        CControlUI* pControl = slot.pControl;
        const int iMin = bVertical ? pControl->GetMinHeight() : pControl->GetMinWidth();
        const int iMax = bVertical ? pControl->GetMaxHeight() : pControl->GetMaxWidth();
        int iExtra = iShare + (++iSeen == nAdjustables ? iRemainder : 0);
        slot.iExtent = Clamp(iMin + iExtra, iMin, iMax);
        iRequired += slot.iExtent - iMin;
    }
    return slots;
}

}  // namespace DuiLib
