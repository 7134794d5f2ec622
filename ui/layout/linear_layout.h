// The shared sizing rule of the vertical and horizontal layouts, along one axis: children with a
// fixed extent keep it (within their min/max), the others share what is left equally.
#pragma once

#include <vector>

#include "ui/control/control.h"

namespace DuiLib {

struct TLinearSlot {
    CControlUI* pControl;
    int iExtent;  // along the axis, without padding
};

// Sizes of the visible, non-floating children along the axis (bVertical: heights).
// cyAvailable is the axis length of the area; the sum of extents, paddings and child padding is
// returned in iRequired.
std::vector<TLinearSlot> ComputeLinearSlots(const std::vector<CControlUI*>& items, bool bVertical, SIZE szArea,
                                            int iChildPadding, int& iRequired);

}  // namespace DuiLib
