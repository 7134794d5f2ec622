// The first-generation page on screen, for tests that drive its controls as a person would:
// controls found by their names without the page's prefix, scrolled into view in the settings
// column before a click, sliders dragged, the light combo's drop-down picked from, the apply
// requests the page posted taken off the window's queue, and its deferred apply's timer looked at.
#pragma once

#include "core/devices/device_timing.h"
#include "tests/gen1/gen1_page_fixture.h"
#include "models/table/model_table.h"

#include <string>

namespace gen1test {

// A wait that does not end within a test.
constexpr unsigned kNeverMs = 600000;

class Gen1SettingsTest : public Gen1PageTest {
protected:
    Gen1SettingsTest() {
        m_bShowWindow = true;
        Timing().uLightApplyDelayMs = kNeverMs;
        Timing().uSliderApplyDelayMs = kNeverMs;
        Timing().uSoonSliderApplyDelayMs = kNeverMs;
    }

    void Start(int iModel, Link eLink, bool bAcknowledge = true) {
        Gen1PageTest::Start(iModel, eLink, bAcknowledge);
        ShowPage();
    }
    void Restart() {
        Gen1PageTest::Restart();
        ShowPage();
    }

    DuiLib::CControlUI* Control(const wchar_t* pszSuffix) { return Page().FindPageControl(pszSuffix); }
    template <class T>
    T* ControlOf(const wchar_t* pszSuffix) {
        return Page().FindPageControl<T>(pszSuffix);
    }
    bool Visible(const wchar_t* pszSuffix) {
        DuiLib::CControlUI* pControl = Control(pszSuffix);
        return pControl != nullptr && pControl->IsVisible();
    }
    // The brightness or breathing-speed row ("brightness", "breathspeed") as the model's skin
    // names it.
    bool LightRowVisible(const wchar_t* pszRow) {
        return Visible((std::wstring(Description().pszLightRowPrefix) + pszRow).c_str());
    }
    std::wstring TextOf(const wchar_t* pszSuffix) {
        DuiLib::CControlUI* pControl = Control(pszSuffix);
        return pControl != nullptr ? pControl->GetText().str() : L"(none)";
    }

    // Scrolls the settings column so the control is inside it; the control.
    DuiLib::CControlUI* Reveal(const wchar_t* pszSuffix) {
        DuiLib::CControlUI* pControl = Control(pszSuffix);
        auto* pColumn = ControlOf<DuiLib::CContainerUI>(L"ver_setting");
        if (pControl == nullptr || pColumn == nullptr) return pControl;
        DuiLib::CControlUI* pChild = pControl;
        while (pChild != nullptr && pChild->GetParent() != pColumn) pChild = pChild->GetParent();
        if (pChild != nullptr) pColumn->EnsureVisible(pChild);
        if (DuiLib::CPaintManagerUI* pManager = uikit::ManagerOf(Window().hwnd())) pManager->UpdateLayout();
        return pControl;
    }
    void ClickOn(const wchar_t* pszSuffix) {
        ASSERT_TRUE(uikit::Click(Reveal(pszSuffix))) << WideToText(pszSuffix) << " can be clicked";
    }
    // Clicks rate option iOption ("btn_prate_N"), first opening the polling-rate section where
    // the page shows it closed (the models whose sections follow each link).
    void ChooseRate(int iOption) {
        if (!Visible(L"ver_prate")) ClickOn(L"check_prate");
        ClickOn((L"btn_prate_" + std::to_wstring(iOption)).c_str());
    }
    // Presses the slider and lets go at fFraction of its length (0 the start, 1 the end).
    void DragSlider(const wchar_t* pszSuffix, double fFraction) {
        DuiLib::CControlUI* pSlider = Reveal(pszSuffix);
        ASSERT_NE(pSlider, nullptr);
        const RECT rc = pSlider->GetPos();
        const POINT pt{rc.left + static_cast<LONG>((rc.right - 1 - rc.left) * fFraction), (rc.top + rc.bottom) / 2};
        ASSERT_TRUE(uikit::PressAndReleaseAt(pSlider, pt)) << WideToText(pszSuffix);
    }
    // Opens the light combo and picks item iMode from its drop-down.
    void ChooseLightMode(int iMode) {
        auto* pCombo = static_cast<DuiLib::CComboUI*>(Reveal(L"combo_light"));
        ASSERT_NE(pCombo, nullptr);
        ASSERT_TRUE(uikit::Click(pCombo));
        const HWND hDrop = pCombo->GetDropDownWindow();
        ASSERT_NE(hDrop, nullptr);
        auto* pList = static_cast<DuiLib::CListUI*>(uikit::ManagerOf(hDrop)->GetRoot()->GetInterface(L"List"));
        ASSERT_NE(pList, nullptr);
        pList->EnsureVisible(iMode);
        uikit::ManagerOf(hDrop)->UpdateLayout();
        ASSERT_TRUE(uikit::Click(pList->GetItemAt(iMode)));
    }
    // Clicks into a DPI edit, types over its text and ends with Enter.
    void TypeDpi(int iStage, const std::wstring& strText) {
        const std::wstring strName = L"edit_dpi_" + std::to_wstring(iStage);
        // A click beside the edits first, so the edit takes the focus afresh with its text selected.
        ASSERT_TRUE(uikit::Click(Control(L"title")));
        DuiLib::CControlUI* pEdit = Reveal(strName.c_str());
        ASSERT_NE(pEdit, nullptr);
        if (strText.empty()) {
            ASSERT_TRUE(uikit::Click(pEdit));
            uikit::PressKey(Window().hwnd(), VK_BACK);
        } else {
            ASSERT_TRUE(uikit::TypeText(pEdit, strText));
        }
        uikit::PressKey(Window().hwnd(), VK_RETURN);
    }

    // Apply requests the page posted and nothing has handled yet (taken off the queue).
    int TakeApplyRequests() { return Window().TakePosted(PageMsgBase(Model()) + WM_PAGE_APPLY_OFFSET); }
    // Whether the page's deferred apply was waiting (it is stopped).
    bool KillApplyTimer() { return ::KillTimer(Window().hwnd(), PageTimer(Model(), TIMER_APPLY)) != FALSE; }

    static std::string WideToText(const std::wstring& str) { return std::string(str.begin(), str.end()); }

private:
    // The main window is on screen with the model's page in front.
    void ShowPage() {
        const std::wstring strRoot = L"ms_" + std::to_wstring(Model()) + L"_page";
        PumpUntil([&] {
            DuiLib::CControlUI* pRoot = uikit::FindControl(Window().hwnd(), strRoot.c_str());
            return pRoot != nullptr && pRoot->IsVisible();
        });
        uikit::PumpUntilIdle(200);
        TakeApplyRequests();
    }
};

}  // namespace gen1test
