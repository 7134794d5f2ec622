// Point, size and rectangle value types: the Win32 structs with constructors and helpers.
#pragma once

#include <windows.h>

namespace DuiLib {

class CDuiPoint : public tagPOINT {
public:
    CDuiPoint() : tagPOINT{0, 0} {}
    CDuiPoint(const POINT& src) : tagPOINT(src) {}
    CDuiPoint(int _x, int _y) : tagPOINT{_x, _y} {}
    CDuiPoint(LPARAM lParam);  // GET_X_LPARAM / GET_Y_LPARAM of a mouse message
};

class CDuiSize : public tagSIZE {
public:
    CDuiSize() : tagSIZE{0, 0} {}
    CDuiSize(const SIZE& src) : tagSIZE(src) {}
    CDuiSize(const RECT rc) : tagSIZE{rc.right - rc.left, rc.bottom - rc.top} {}
    CDuiSize(int _cx, int _cy) : tagSIZE{_cx, _cy} {}
};

class CDuiRect : public tagRECT {
public:
    CDuiRect() : tagRECT{0, 0, 0, 0} {}
    CDuiRect(const RECT& src) : tagRECT(src) {}
    CDuiRect(int iLeft, int iTop, int iRight, int iBottom) : tagRECT{iLeft, iTop, iRight, iBottom} {}

    int GetWidth() const { return right - left; }
    int GetHeight() const { return bottom - top; }
    void Empty() { left = top = right = bottom = 0; }
    bool IsNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(POINT pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }
    void Join(const RECT& rc);
    void ResetOffset() { Offset(-left, -top); }
    void Normalize();
    void Offset(int cx, int cy) { left += cx; right += cx; top += cy; bottom += cy; }
    void Inflate(int cx, int cy) { left -= cx; right += cx; top -= cy; bottom += cy; }
    void Deflate(int cx, int cy) { Inflate(-cx, -cy); }
    // Shrinks by the four margins of rc (left, top, right, bottom).
    void Deflate(const RECT& rc) { left += rc.left; top += rc.top; right -= rc.right; bottom -= rc.bottom; }
    bool Intersect(const RECT& rc);  // false when the result is empty
    POINT Center() const { return POINT{(left + right) / 2, (top + bottom) / 2}; }
};

}  // namespace DuiLib
