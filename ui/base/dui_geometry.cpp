#include "ui/base/dui_geometry.h"

#include <windowsx.h>

#include <algorithm>

namespace DuiLib {

CDuiPoint::CDuiPoint(LPARAM lParam) : tagPOINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)} {}

void CDuiRect::Join(const RECT& rc) {
    if (rc.left < left) left = rc.left;
    if (rc.top < top) top = rc.top;
    if (rc.right > right) right = rc.right;
    if (rc.bottom > bottom) bottom = rc.bottom;
}

void CDuiRect::Normalize() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
}

bool CDuiRect::Intersect(const RECT& rc) {
    RECT r;
    bool bAny = ::IntersectRect(&r, this, &rc) != FALSE;
    *static_cast<RECT*>(this) = r;
    return bAny;
}

}  // namespace DuiLib
