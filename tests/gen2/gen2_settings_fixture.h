// The second-generation settings page as a person uses it: the program's main window with the
// real page of MS_11, MS_8, MS_12 or MS_13 on its generated skin, a cabled mouse reached through
// the real driver library, the device timings scaled down, and helpers that click, type, slide
// and answer the page's dialogs.
#pragma once

#include "models/pages/gen2_page.h"
#include "tests/kit/page_world_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gen2test {

// The page with a few doors open for tests: edits of the current profile as a handler makes them,
// the profile list, and the link flags.
class TestGen2Page : public CGen2Page {
public:
    TestGen2Page(int iModel, std::wstring strDataFolder) : CGen2Page(iModel, std::move(strDataFolder)) {}

    void Edit(const std::function<void(ProfileRecordEx&)>& edit) { EditProfile(edit); }
    std::vector<std::wstring> ProfileNames() const;
    size_t MacroCount() const;
    std::vector<std::wstring> MacroNames() const;
    using CGen2Page::RefreshControls;
};

class Gen2SettingsTest : public pagetest::PageWorldTest {
protected:
    Gen2SettingsTest();
    ~Gen2SettingsTest() override;

    // Plugs the cabled mouse (bCable), then opens the window with the real page of `iModel`.
    void Start(int iModel, bool bCable = true);
    // Start, then the first apply (everything sent), with the writes cleared after it.
    void StartSent(int iModel);
    // Closes the window and opens it again on the same data folder (a restart).
    void Restart();

    int Model() const { return m_iModel; }
    const Gen2Model& Description() const { return *FindGen2Model(m_iModel); }
    TestGen2Page& Page() { return *m_pPage; }
    MainWindow& Window() { return *m_pWnd; }
    HWND Hwnd() { return m_pWnd->hwnd(); }
    std::wstring ProDataPath() const;
    std::wstring MacroDataPath() const;

    // The page's control with this suffix ("slider_dpi_1" on MS_11: "ms_11_slider_dpi_1").
    DuiLib::CControlUI* Control(const std::wstring& strSuffix);
    template <class T>
    T* ControlOf(const std::wstring& strSuffix) {
        return ControlAs<T>(Control(strSuffix));
    }
    std::wstring TextOf(const std::wstring& strSuffix) { return Control(strSuffix)->GetText().str(); }
    bool Visible(const std::wstring& strSuffix);

    // As a person does it: a click, a slider moved to a value with the keys, text typed into an
    // edit followed by Enter or by a click elsewhere, a light mode chosen in the combo.
    void ClickOn(const std::wstring& strSuffix);
    void SlideTo(const std::wstring& strSuffix, int iValue);
    void TypeInto(const std::wstring& strSuffix, const std::wstring& strText, bool bEnter);
    void ChooseLightMode(int iMode);

    // What the cabled mouse got since the last ClearWrites.
    std::vector<kit::Bytes> CableWrites() const { return WritesTo(m_cable.id); }
    // Requests nothing: waits until the page ran uCount applies in all.
    bool WaitForApplies(unsigned uCount, unsigned uMs = 20000) { return PageWorldTest::WaitForApplies(Page(), uCount, uMs); }
    unsigned Applies() { return Page().AppliesRun(); }
    // Pumps for a while and says whether no further apply ran (nothing pending).
    bool NoApplyFor(unsigned uMs);
    // Pumps until no apply has run for a while: every apply asked for so far has been made (a
    // slider with a short wait asks for one per move).
    void SettleApplies();

    kit::CableMouse m_cable;

private:
    void OpenWindow();

    int m_iModel = 11;
    bool m_bCable = false;
    std::unique_ptr<MainWindow> m_pWnd;
    TestGen2Page* m_pPage = nullptr;
};

}  // namespace gen2test
