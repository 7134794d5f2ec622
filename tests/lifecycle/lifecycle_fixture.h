// The program's end as a person meets it: the main window with one model's real page on the
// simulated world and a scratch data folder, ended the ways a program ends (the tray's "Exit",
// a close request, the end of the Windows session), then started again on the same folder and
// devices, as the next start of the program would.
#pragma once

#include "tests/kit/page_world_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lifecycle {

// A wait no test reaches: a deferred apply stays waiting until the program ends.
constexpr unsigned kNeverMs = 600000;

enum class Ending { TrayExit, CloseRequest, SessionEnd };
const char* EndingName(Ending eEnding);

class LifecycleTest : public pagetest::PageWorldTest {
protected:
    LifecycleTest();
    ~LifecycleTest() override;

    // Plugs the model's cabled mouse and opens the window with its real page (the generation's
    // page on the scratch folder), its tab in front, after its first apply.
    void Start(int iModel);
    // Opens the window again on the same folder and devices (after End).
    void Open();
    // Ends the program as eEnding does and lets the window object go, as the process's end would.
    // For the session's end, nothing may write pro.data after WM_ENDSESSION returned: Windows may
    // end the process right then.
    void End(Ending eEnding);

public:
    int Model() const { return m_iModel; }
    CApplyPage& Page() { return *m_pPage; }
    MainWindow& Window() { return *m_pWnd; }
    HWND Hwnd() { return m_pWnd->hwnd(); }
    DuiLib::CControlUI* Control(const std::wstring& strSuffix);
    template <class T>
    T* ControlOf(const std::wstring& strSuffix) {
        return ControlAs<T>(Control(strSuffix));
    }
    // What a control shows: a slider's value, a combo's chosen item, else its text.
    std::wstring Shown(const std::wstring& strSuffix);

protected:
    std::wstring ProDataPath() const;
    std::vector<uint8_t> ProDataBytes() const;
    // Pumps until no apply has run for a while: every apply asked for so far is made.
    void SettleApplies();

    kit::CableMouse m_cable;

private:
    int m_iModel = 0;
    std::unique_ptr<MainWindow> m_pWnd;
    CApplyPage* m_pPage = nullptr;
};

// The model's own settings page on a data folder: the first or the second generation's.
std::unique_ptr<CApplyPage> MakeModelPage(int iModel, const std::wstring& strDataFolder);

}  // namespace lifecycle
