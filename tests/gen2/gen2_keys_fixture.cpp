#include "tests/gen2/gen2_keys_fixture.h"

#include "core/app/app_messages.h"
#include "models/table/model_table.h"

#include <algorithm>
#include <cwchar>

namespace gen2test {

using namespace DuiLib;

Gen2Storage Gen2KeysTest::Files() const {
    return Gen2Storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
}

void Gen2KeysTest::StartWith(int iModel, const MacroListEx& macros, const std::function<void(ProfileListEx&)>& edit,
                             unsigned links) {
    Gen2Storage storage(ModelOf(iModel), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileListEx profiles;
    for (int i = 0; i < 2; ++i) storage.AddDefaultProfile(profiles);
    edit(profiles);
    ASSERT_TRUE(storage.SaveProData(profiles, *Zeroed<ProDataHeader>()));
    ASSERT_TRUE(storage.SaveMacroData(macros));
    Begin(iModel, links);
}

void Gen2KeysTest::Begin(int iModel, unsigned links) {
    Start(iModel, links);
    auto* pTabs = static_cast<CTabLayoutUI*>(uikit::FindControl(Window().hwnd(), L"device_tab_switch"));
    ASSERT_NE(pTabs, nullptr);
    pTabs->SelectItem(iModel);
    uikit::ManagerOf(Window().hwnd())->UpdateLayout();
    uikit::PumpUntilIdle();
    Apply();
    m_lastKeyFrame = KeyFrameOf(CableWrites().empty() ? Distinct(ReceiverWrites()) : CableWrites());
    ClearAllWrites();
    m_uApplies = Page().AppliesRun();
}

CControlUI* Gen2KeysTest::Control(const std::wstring& strSuffix) {
    return uikit::FindControl(Window().hwnd(), (Prefix() + strSuffix).c_str());
}

std::wstring Gen2KeysTest::Text(const wchar_t* pszId) { return CResourceManager::GetInstance()->GetText(pszId).GetData(); }

HWND Gen2KeysTest::OpenMenu(int n) {
    for (HWND hMenu : uikit::OpenMenuWindows()) ::DestroyWindow(hMenu);
    if (!uikit::Click(KeyButton(n))) return nullptr;
    uikit::PumpUntilIdle();
    const std::vector<HWND> menus = uikit::OpenMenuWindows();
    return menus.size() == 1 ? menus[0] : nullptr;
}

void Gen2KeysTest::Answering(const std::function<void()>& act, const DialogAnswer& answer) {
    m_dialogs.clear();
    m_messages.clear();
    uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
        const std::wstring strClass = wnd.GetWindowClassName();
        m_dialogs.push_back(strClass);
        if (strClass == L"MsgWnd") {
            for (const wchar_t* pszPart : {L"warning_title", L"warning"})
                if (CControlUI* pText = uikit::FindControl(wnd.GetHWND(), pszPart)) m_messages.push_back(pText->GetText().GetData());
            uikit::Click(wnd.GetHWND(), L"btn_ok");
        } else if (answer) {
            answer(wnd.GetHWND(), strClass);
        }
    });
    act();
    uikit::PumpUntilIdle();
}

void Gen2KeysTest::Choose(int n, const std::wstring& strItem, const DialogAnswer& answer) {
    const HWND hMenu = OpenMenu(n);
    ASSERT_NE(hMenu, nullptr) << "button " << n << " opens the menu";
    Answering([&] { ASSERT_TRUE(uikit::Click(hMenu, (Prefix() + strItem).c_str())) << "the item is there"; }, answer);
}

void Gen2KeysTest::Command(int n, const std::wstring& strName, const DialogAnswer& answer) {
    const HWND hMenu = OpenMenu(n);
    ASSERT_NE(hMenu, nullptr) << "button " << n << " opens the menu";
    uikit::PressKey(hMenu, VK_ESCAPE);
    Answering(
        [&] {
            auto* pCmd = new MenuCmd{};
            wcsncpy(pCmd->szName, strName.c_str(), _countof(pCmd->szName) - 1);
            ::PostMessageW(Window().hwnd(), WM_MENUCLICK, reinterpret_cast<WPARAM>(pCmd), 0);
        },
        answer);
}

void Gen2KeysTest::EditMacros(const std::function<void(HWND)>& edit) {
    const std::wstring strEditor = L"MS_" + std::to_wstring(Model()) + L"_Macro";
    Answering([&] { ASSERT_TRUE(uikit::Click(Control(L"btn_macro"))); },
              [&](HWND h, const std::wstring& strClass) {
                  if (strClass != strEditor) return;
                  edit(h);
                  uikit::Click(h, L"btn_exit");
              });
}

std::vector<kit::Bytes> Gen2KeysTest::AppliedWrites() {
    EXPECT_TRUE(WaitForApplies(m_uApplies + 1)) << "the change was applied";
    m_uApplies = Page().AppliesRun();
    std::vector<kit::Bytes> writes = (m_links & kCable) ? CableWrites() : Distinct(ReceiverWrites());
    ClearAllWrites();
    m_keyFrameBefore = m_lastKeyFrame;
    const kit::Bytes frame = KeyFrameOf(writes);
    if (!frame.empty()) m_lastKeyFrame = frame;
    return writes;
}

kit::Bytes Gen2KeysTest::KeyFrameOf(const std::vector<kit::Bytes>& writes) {
    const auto it = std::find_if(writes.begin(), writes.end(), [](const kit::Bytes& w) { return !w.empty() && w[0] == 0x08; });
    return it != writes.end() ? *it : kit::Bytes{};
}

bool Gen2KeysTest::OthersKept(const kit::Bytes& frame, std::initializer_list<int> changed) const {
    for (int n = 1; n <= kButtonCount; ++n)
        if (std::find(changed.begin(), changed.end(), n) == changed.end() && KeyBytes(frame, n) != KeyBytes(m_keyFrameBefore, n))
            return false;
    return true;
}

ProfileListEx Gen2KeysTest::ProfilesOnDisk() const {
    ProfileListEx profiles;
    Files().LoadProData(profiles, *Zeroed<ProDataHeader>());
    return profiles;
}

MacroListEx Gen2KeysTest::MacrosOnDisk() const {
    MacroListEx macros;
    Files().LoadMacroData(macros);
    return macros;
}

}  // namespace gen2test
