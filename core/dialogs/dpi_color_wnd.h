// CDpiColorWnd: the small colour chooser the pages open from their colour buttons (the colour
// of a DPI stage, the light colour). A colour palette, sixteen preset colours, edits for red,
// green and blue, and a preview; every change shows at once in all of them. It opens where the
// caller puts it (just below the button that was clicked) and returns the chosen colour.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "ui/ui.h"

namespace DuiLib {
class CColorPaletteUI;
class CRichEditUI;
}  // namespace DuiLib

constexpr int kDpiColorPresetCount = 16;

class CDpiColorWnd : public DuiLib::WindowImplBase {
public:
    CDpiColorWnd();

    LPCWSTR GetWindowClassName() const override { return L"DpiColorWnd"; }
    void OnFinalMessage(HWND hWnd) override;
    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    DuiLib::CDuiString GetSkinFile() override { return L"DpiColorDialog.xml"; }
    void Notify(DuiLib::TNotifyUI& msg) override;

    BYTE m_bAutoDelete = 0;                        // callers on the stack leave it 0
    DWORD m_dwColor = 0xFF000000;                  // 0xAARRGGBB; in and out
    std::array<DWORD, kDpiColorPresetCount> m_dwPresets;  // preset button i shows and picks entry i
    DuiLib::CDuiPoint m_ptPos;                     // screen position of the top-left corner

    static constexpr int kWidth = 250;
    static constexpr int kHeight = 200;

private:
    void ShowColorValues();
    void OnColorEditChanged(DuiLib::TNotifyUI& msg);
    // The new colour everywhere: the palette (unless it came from there), preview and edits.
    void TakeColor(DWORD dwColor, bool bFromPalette);

    DuiLib::CControlUI* m_pConfirmBtn = nullptr;
    DuiLib::CControlUI* m_pCancelBtn = nullptr;
    DuiLib::CControlUI* m_pColorShow = nullptr;
    std::array<DuiLib::CControlUI*, kDpiColorPresetCount> m_pPresets{};
    DuiLib::CColorPaletteUI* m_pPalette = nullptr;
    DuiLib::CRichEditUI* m_pEditR = nullptr;
    DuiLib::CRichEditUI* m_pEditG = nullptr;
    DuiLib::CRichEditUI* m_pEditB = nullptr;
};

// A colour component as typed: optional spaces and sign, then digits up to the first other
// character (none: 0). Values far out of range saturate instead of overflowing.
int ParseColorComponent(std::wstring_view sText);

// The picker's colour of a stored colour (red, green, blue in memory order), always opaque, and
// the stored bytes of a colour, in the same order.
constexpr DWORD DpiColorFromRgb(BYTE byRed, BYTE byGreen, BYTE byBlue) {
    return 0xFF000000u | (DWORD{byRed} << 16) | (DWORD{byGreen} << 8) | DWORD{byBlue};
}
constexpr void DpiColorToRgb(DWORD dwColor, BYTE& byRed, BYTE& byGreen, BYTE& byBlue) {
    byRed = static_cast<BYTE>(dwColor >> 16);
    byGreen = static_cast<BYTE>(dwColor >> 8);
    byBlue = static_cast<BYTE>(dwColor);
}

// The calling sequence of a page's colour button: opens the picker 200 pixels left of the
// button's left edge and just below it, owned by the main window. On confirm writes the chosen
// colour into the three stored bytes and returns true; otherwise leaves them and returns false.
bool RunDpiColorWnd(HWND hMainWnd, const DuiLib::CControlUI* pButton, BYTE* pRgb);
