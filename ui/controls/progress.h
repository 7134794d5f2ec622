// CProgressUI: a bar showing value between min and max: the fore image (or fore colour) is
// revealed from the left (or from the bottom when hor="false"). SetValue raises nothing.
#pragma once

#include "ui/controls/label.h"

namespace DuiLib {

class CProgressUI : public CLabelUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool bHorizontal = true);
    int GetMinValue() const { return m_nMin; }
    void SetMinValue(int nMin);
    int GetMaxValue() const { return m_nMax; }
    void SetMaxValue(int nMax);
    int GetValue() const { return m_nValue; }
    void SetValue(int nValue);  // clamped to min..max
    LPCWSTR GetForeImage() const { return m_sForeImage; }
    void SetForeImage(LPCWSTR pStrImage);
    DWORD GetForeColor() const { return m_dwForeColor; }
    void SetForeColor(DWORD dwColor);

    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // The part of the bar the value fills.
    RECT GetFilledRect() const;

    bool m_bHorizontal = true;
    int m_nMin = 0;
    int m_nMax = 100;
    int m_nValue = 0;
    CDuiString m_sForeImage;
    DWORD m_dwForeColor = 0;
};

}  // namespace DuiLib
