// CSliderUI: a progress bar with a thumb the user moves: dragged, or sent to a press on the
// track, or stepped with the arrow, Home, End and page keys while the slider has the focus.
// The value follows the pointer while the button is held; "valuechanged" comes once the button
// (or the key) is released, when the value differs from the one before. SetValue is silent.
#pragma once

#include "ui/controls/progress.h"

namespace DuiLib {

class CSliderUI : public CProgressUI {
public:
    CSliderUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;
    void SetEnabled(bool bEnable = true) override;

    int GetChangeStep() const { return m_nStep; }
    void SetChangeStep(int nStep) { m_nStep = nStep > 0 ? nStep : 1; }
    SIZE GetThumbSize() const { return m_szThumb; }
    void SetThumbSize(SIZE szThumb);
    void SetThumbImage(LPCWSTR pStrImage);
    void SetThumbHotImage(LPCWSTR pStrImage);
    void SetThumbPushedImage(LPCWSTR pStrImage);
    void SetThumbColor(DWORD dwColor);
    // The thumb's rectangle in window client coordinates.
    RECT GetThumbRect() const;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

private:
    // The value at a point of the track (the thumb's centre placed there).
    int ValueFromPoint(POINT pt) const;
    void BeginChange();
    // Ends a user change; "valuechanged" when the value is not the one it began with.
    void EndChange();
    bool IsChanging() const { return m_nValueAtStart != kNoChange; }

    static constexpr int kNoChange = -2147483647 - 1;

    int m_nStep = 1;
    SIZE m_szThumb{10, 10};
    CDuiString m_sThumbImage;
    CDuiString m_sThumbHotImage;
    CDuiString m_sThumbPushedImage;
    DWORD m_dwThumbColor = 0;
    bool m_bDragging = false;
    bool m_bThumbHot = false;
    int m_iDragOffset = 0;    // pointer minus thumb centre along the track when the drag began
    int m_nValueAtStart = kNoChange;
    UINT m_uKeyDown = 0;      // the key whose release ends a keyboard change
};

}  // namespace DuiLib
