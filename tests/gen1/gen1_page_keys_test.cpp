// Button functions on the first-generation page, driven as a person does: a click on a key
// button opens the button-function menu, a click on an item gives the button its function (or,
// through the shortcut dialog and the macro picker, a shortcut or a macro), the caption follows,
// and the change reaches the mouse (frames 0x08 and 0x09 byte for byte) and pro.data. The macro
// button opens the macro editor; what is deleted there leaves no button playing a lost macro.
#include "tests/gen1/gen1_page_fixture.h"

#include "models/pages/button_captions.h"
#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"
#include "tests/gen1/gen1_storage_fixture.h"
#include "plugins/include/hook_api.h"
#include "tests/kit/page_world_fixture.h"
#include "models/data/report_frame.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace gen1test {
namespace {

using namespace DuiLib;

using pagetest::KeyBytes;
using pagetest::Slice;
using uikit::OpenMenuWindows;

class Gen1Keys : public Gen1PageTest {
protected:
    // The data files the page of iModel (the page's model when 0) starts from, written before it
    // starts.
    Gen1Storage Files(int iModel = 0) {
        return Gen1Storage(*FindGen1Model(iModel != 0 ? iModel : Model()), m_data.Path() + L"\\",
                           [](std::wstring_view id) { return std::wstring(id); });
    }
    void StartWith(const MacroList& macros, const std::function<void(ProfileList&)>& edit, int iModel = 10) {
        Gen1Storage storage = Files(iModel);
        ProfileList profiles;
        for (int i = 0; i < 2; ++i) storage.AddDefaultProfile(profiles);
        edit(profiles);
        ASSERT_TRUE(storage.SaveProData(profiles, ProDataHeader{}));
        ASSERT_TRUE(storage.SaveMacroData(macros));
        Begin(iModel);
    }
    // The window with MS_10's page over the cable; the load's full send done, so each test sees
    // only what it changes.
    void Begin(int iModel = 10) {
        Start(iModel, Link::Cable);
        ShowPage();
        Apply();
        ClearWrites();
    }
    void ShowPage() {
        auto* pTabs = static_cast<CTabLayoutUI*>(uikit::FindControl(Window().hwnd(), L"device_tab_switch"));
        ASSERT_NE(pTabs, nullptr);
        pTabs->SelectItem(Model());
        uikit::ManagerOf(Window().hwnd())->UpdateLayout();
        uikit::PumpUntilIdle();
    }
    CControlUI* Control(const std::wstring& strSuffix) {
        return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + strSuffix).c_str());
    }
    CControlUI* KeyButton(int n) { return Control(L"btn_key_" + std::to_wstring(n)); }

    // Clicks key button n; the menu it opened, or nullptr.
    HWND OpenMenu(int n) {
        for (HWND hMenu : OpenMenuWindows()) ::DestroyWindow(hMenu);
        if (!uikit::Click(KeyButton(n))) return nullptr;
        uikit::PumpUntilIdle();
        const std::vector<HWND> menus = OpenMenuWindows();
        return menus.size() == 1 ? menus[0] : nullptr;
    }
    // Button n's menu, then the item (its name without the page's prefix), and what the page
    // does with it (dialogs are answered by `answer`, which sees each one's window).
    void Choose(int n, const std::wstring& strItem, const std::function<void(HWND, const std::wstring&)>& answer = {}) {
        m_dialogs.clear();
        const HWND hMenu = OpenMenu(n);
        ASSERT_NE(hMenu, nullptr) << "button " << n << " opens the menu";
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            m_dialogs.push_back(wnd.GetWindowClassName());
            if (answer) answer(wnd.GetHWND(), wnd.GetWindowClassName());
        });
        ASSERT_TRUE(uikit::Click(hMenu, (ControlPrefix(Model()) + strItem).c_str()));
        uikit::PumpUntilIdle();
    }
    // Runs the macro editor from the page's macro button; `edit` works in it.
    void EditMacros(const std::function<void(HWND)>& edit) {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            const std::wstring strClass = wnd.GetWindowClassName();
            m_dialogs.push_back(strClass);
            if (strClass == L"MS_10_Macro") {
                edit(wnd.GetHWND());
                uikit::Click(wnd.GetHWND(), L"btn_exit");
            } else {
                uikit::Click(wnd.GetHWND(), L"btn_ok");  // the editor's questions
            }
        });
        ASSERT_TRUE(uikit::Click(Control(L"btn_macro")));
        uikit::PumpUntilIdle();
    }
    // Waits for the apply a change requested and returns what the mouse got.
    std::vector<kit::Bytes> AppliedWrites() {
        EXPECT_TRUE(WaitForApplies(m_uApplies + 1)) << "the change was applied";
        m_uApplies = Page().AppliesRun();
        std::vector<kit::Bytes> writes = CableWrites();
        ClearWrites();
        return writes;
    }
    KeyEntry Key(int n) { return Page().CurrentProfileCopy().stKeys[n - 1]; }
    ProfileList OnDisk() {
        ProfileList profiles;
        ProDataHeader header;
        Files().LoadProData(profiles, header);
        return profiles;
    }
    MacroList MacrosOnDisk() {
        MacroList macros;
        Files().LoadMacroData(macros);
        return macros;
    }
    std::wstring Caption(int n) { return KeyButton(n)->GetText().GetData(); }
    bool CaptionIsTextId(int n) { return KeyButton(n)->IsResourceText(); }

    void SetUp() override { m_uApplies = 0; }
    void Started() { m_uApplies = Page().AppliesRun(); }

    std::vector<std::wstring> m_dialogs;
    unsigned m_uApplies = 0;
};

TEST_F(Gen1Keys, AMenuItemGivesTheButtonItsFunctionCaptionFrameAndFile) {
    Begin();
    Started();
    Choose(5, L"copy");
    EXPECT_TRUE(m_dialogs.empty());
    EXPECT_EQ(Key(5).byFunction, 33);
    EXPECT_EQ(Caption(5), L"Copy");
    EXPECT_TRUE(CaptionIsTextId(5));
    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "0C 08");
    EXPECT_EQ(KeyBytes(sent[1], 5), "11 01 06") << "Ctrl with the usage of C";
    EXPECT_EQ(KeyBytes(sent[1], 1), "02 00 00") << "button 1 keeps the left click";
    EXPECT_TRUE(ChecksumHolds(sent[1], sent[1].size() - 2));
    EXPECT_EQ(OnDisk()[0]->stKeys[4].byFunction, 33);

    // The same button again: the menu of the last button clicked acts on it.
    Choose(5, L"media_stop");
    EXPECT_EQ(KeyBytes(AppliedWrites()[1], 5), "19 00 00");
    EXPECT_EQ(Caption(5), L"Stop");
}

TEST_F(Gen1Keys, SomeButtonKeepsTheLeftClick) {
    Begin();
    Started();
    struct Case {
        const char* what;
        int iButton;
        const wchar_t* pszItem;
        bool bRefused;
    } cases[] = {
        {"button 1 loses the only left click", 1, L"menu", true},
        {"a shortcut on the only left click: no dialog", 1, L"shortcut", true},
        {"a macro on the only left click: no picker", 1, L"select_macro", true},
        {"button 2 takes a left click first", 2, L"click", false},
        {"then button 1 may change", 1, L"dpi_up", false},
        {"and button 2 may not", 2, L"scroll", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_dialogs.clear();
        const ProfileRecord before = Page().CurrentProfileCopy();
        Choose(c.iButton, c.pszItem, [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_ok"); });
        if (c.bRefused) {
            EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MsgWnd"});
            const ProfileRecord after = Page().CurrentProfileCopy();
            EXPECT_EQ(std::memcmp(&after.stKeys, &before.stKeys, sizeof(before.stKeys)), 0) << "nothing changed";
        } else {
            EXPECT_TRUE(m_dialogs.empty());
            EXPECT_EQ(Key(c.iButton).byFunction, FunctionOfMenuItem(std::wstring(L"ms_10_") + c.pszItem, L"ms_10_"));
            AppliedWrites();
        }
    }
    // Only the accepted changes reached the mouse: button 1 DPI up, button 2 left click.
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C") << "nothing left to send";
    Page().RequestResendAll();
    Apply();
    const std::vector<kit::Bytes> sent = CableWrites();
    const auto keys = std::find_if(sent.begin(), sent.end(), [](const kit::Bytes& w) { return !w.empty() && w[0] == 0x08; });
    ASSERT_NE(keys, sent.end());
    EXPECT_EQ(KeyBytes(*keys, 1), "0E 00 00");
    EXPECT_EQ(KeyBytes(*keys, 2), "02 00 00");
}

TEST_F(Gen1Keys, ButtonsThirteenToEighteenOpenNoMenu) {
    Begin();
    for (int n : {13, 18}) {
        ASSERT_TRUE(uikit::Click(KeyButton(n)));
        uikit::PumpUntilIdle();
        EXPECT_TRUE(OpenMenuWindows().empty()) << "button " << n;
    }
}

TEST_F(Gen1Keys, AShortcutTypedInTheDialog) {
    Begin();
    Started();
    // Ctrl+A typed in the key field, as the keyboard hook reports it.
    Choose(6, L"shortcut", [](HWND h, const std::wstring&) {
        ASSERT_TRUE(uikit::Click(h, L"edit_key"));
        for (auto [vk, up] : {std::pair{VK_LCONTROL, 0}, {'A', 0}, {'A', 1}, {VK_LCONTROL, 1}})
            ::PostMessageW(h, WM_HOOKKEY, static_cast<WPARAM>(vk), up);
        uikit::PumpUntilIdle();
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"ShortcutWnd"});
    const KeyEntry entry = Key(6);
    EXPECT_EQ(entry.byFunction, kFunctionShortcut);
    EXPECT_EQ(entry.byModifiers, 1);
    EXPECT_EQ(entry.byUsage, 0x04);
    EXPECT_EQ(Caption(6), L"Ctrl+A");
    EXPECT_FALSE(CaptionIsTextId(6));
    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "0C 08");
    EXPECT_EQ(KeyBytes(sent[1], 6), "11 01 04");
    EXPECT_EQ(OnDisk()[0]->stKeys[5].byUsage, 0x04);

    // The dialog opens with the button's shortcut; taking Ctrl off leaves A.
    Choose(6, L"shortcut", [](HWND h, const std::wstring&) {
        EXPECT_TRUE(static_cast<CCheckBoxUI*>(uikit::FindControl(h, L"check_flag_1"))->GetCheck());
        uikit::Click(h, L"check_flag_1");
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(Caption(6), L"A");
    EXPECT_EQ(KeyBytes(AppliedWrites()[1], 6), "11 00 04");
}

TEST_F(Gen1Keys, AShortcutLeftEmptyOrCancelledKeepsTheFunction) {
    Begin();
    Choose(7, L"shortcut", [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_ok"); });
    EXPECT_EQ(Key(7).byFunction, 4) << "OK with neither modifier nor key";
    Choose(7, L"shortcut", [](HWND h, const std::wstring&) {
        ASSERT_TRUE(uikit::Click(h, L"check_flag_2"));
        uikit::Click(h, L"btn_cancel");
    });
    EXPECT_EQ(Key(7).byFunction, 4);
    EXPECT_EQ(Key(7).byModifiers, 0);
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C");
}

TEST_F(Gen1Keys, AMacroRecordedInTheEditorAndAssignedReachesTheMouse) {
    Begin();
    Started();
    // A new macro, recorded: A pressed and released, with the default delay.
    EditMacros([](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_add_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_default_delay_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_record_btn"));
        for (auto [vk, up] : {std::pair{'A', 0}, {'A', 1}}) ::PostMessageW(h, WM_HOOKKEY, static_cast<WPARAM>(vk), up);
        uikit::PumpUntilIdle();
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_record_btn"));
    });
    const MacroList macros = MacrosOnDisk();
    ASSERT_EQ(macros.size(), 1u);
    ASSERT_EQ(macros[0]->iActionNum, 2);
    EXPECT_EQ(macros[0]->stActions[0].byKey, 0x04);
    EXPECT_EQ(macros[0]->stActions[1].byType, kActionRelease);
    EXPECT_EQ(Page().AppliesRun(), m_uApplies) << "no button plays a macro yet: nothing to send";

    // Button 4 plays it while held (the second play mode).
    Choose(4, L"select_macro", [](HWND h, const std::wstring&) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"));
        ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(0)));
        ASSERT_TRUE(uikit::Click(h, L"repeat_2"));
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_10_SelectMacro"});
    const KeyEntry entry = Key(4);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(entry.iMacroIndex, 0);
    EXPECT_EQ(entry.iLoopMode, 1);
    EXPECT_EQ(entry.iLoopCount, 1);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), std::wstring(NameOf(macros[0]->szName)));
    EXPECT_EQ(Caption(4), L"Macro: " + std::wstring(NameOf(macros[0]->szName)));

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "0C 08 09 09 09");
    EXPECT_EQ(KeyBytes(sent[1], 4), "12 00 04") << "a macro, named by its button";
    // The macro frame in its three pieces: button 4; loop mode 1, colour 0 three times, one play;
    // two pairs (A pressed, A released).
    EXPECT_EQ(Slice(sent[2], 0, 4), "09 40 04 00");
    EXPECT_EQ(Slice(sent[2], 4, 5), "01 00 00 00 01");
    KeyEntry expected{};
    expected.byFunction = kFunctionMacro;
    expected.iLoopMode = 1;
    expected.iLoopCount = 1;
    expected.wActionNum = 2;
    expected.stActions[0] = macros[0]->stActions[0];
    expected.stActions[1] = macros[0]->stActions[1];
    const FrameBytes frame = BuildMacroReport(Description(), 4, expected);
    for (int i = 0; i < 3; ++i) {
        const MacroChunk piece = BuildMacroChunk(frame, i, ChunkLink::Cable);
        EXPECT_EQ(sent[2 + static_cast<size_t>(i)], kit::Bytes(piece.begin(), piece.end())) << "piece " << i;
    }
    EXPECT_EQ(frame[Description().macroFrame.byCountAt], 2);
    EXPECT_EQ(frame[Description().macroFrame.byFirstPairAt + 1], 0x04);
    const ProfileList disk = OnDisk();
    EXPECT_EQ(disk[0]->stKeys[3].byFunction, kFunctionMacro);
    EXPECT_EQ(disk[0]->stKeys[3].wActionNum, 2);
}

class Gen1KeysOtherModels : public Gen1Keys, public ::testing::WithParamInterface<int> {};

TEST_P(Gen1KeysOtherModels, MenusAndPickersAreTheModelsOwn) {
    Begin(GetParam());
    Started();
    Choose(8, L"scroll_up");
    EXPECT_EQ(Key(8).byFunction, 11);
    EXPECT_EQ(KeyBytes(AppliedWrites()[1], 8), "09 00 00");
    Choose(8, L"select_macro", [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_cancel"); });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_" + std::to_wstring(GetParam()) + L"_SelectMacro"});
    EXPECT_EQ(Key(8).byFunction, 11) << "cancelled";
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1KeysOtherModels, ::testing::Values(1, 2),
                         [](const auto& info) { return "MS_" + std::to_string(info.param); });

class Gen1KeysPicker : public Gen1Keys, public ::testing::WithParamInterface<int> {};

// OK pressed before a macro is chosen keeps the picker open; the macro chosen then is the
// button's: its caption, the key frame and the macro frame the mouse gets, and pro.data.
TEST_P(Gen1KeysPicker, OkWithNoMacroChosenKeepsThePickerForTheMacroChosenNext) {
    MacroList macros;
    macros.push_back(Macro(L"Alpha", {{0x04, 1, 10}, {0x04, 2, 10}}));
    macros.push_back(Macro(L"Beta", {{0x05, 1, 10}, {0x05, 2, 10}}));
    StartWith(macros, [](ProfileList&) {}, GetParam());
    Started();
    bool bStayed = false;
    Choose(4, L"select_macro", [&](HWND h, const std::wstring&) { bStayed = pagetest::PickMacroAfterAnEarlyOk(h, 1); });
    EXPECT_TRUE(bStayed) << "OK with nothing chosen keeps the picker open";
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_" + std::to_wstring(GetParam()) + L"_SelectMacro"});
    const KeyEntry entry = Key(4);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(entry.iMacroIndex, 1);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), L"Beta");
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(Caption(4), L"Macro: Beta");

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0][0], 0x0C);
    ASSERT_EQ(sent[1][0], 0x08);
    EXPECT_EQ(KeyBytes(sent[1], 4), "12 00 04") << "a macro, named by its button";
    EXPECT_EQ(KeyBytes(sent[1], 1), "02 00 00") << "button 1 keeps the left click";
    const FrameBytes frame = BuildMacroReport(Description(), 4, entry);
    std::vector<kit::Bytes> pieces;
    for (int i = 0; i < MacroChunkCount(frame); ++i) {
        const MacroChunk piece = BuildMacroChunk(frame, i, ChunkLink::Cable);
        pieces.emplace_back(piece.begin(), piece.end());
    }
    EXPECT_EQ(std::vector<kit::Bytes>(sent.begin() + 2, sent.end()), pieces) << "Beta's frame, piece by piece";
    EXPECT_EQ(frame[Description().macroFrame.byFirstPairAt + 1], 0x05) << "B pressed first";
    const ProfileList disk = OnDisk();
    EXPECT_EQ(disk[0]->stKeys[3].byFunction, kFunctionMacro);
    EXPECT_EQ(std::wstring(NameOf(disk[0]->stKeys[3].szMacroName)), L"Beta");
    EXPECT_EQ(disk[0]->stKeys[3].iMacroIndex, 1);
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1KeysPicker, ::testing::Values(1, 10),
                         [](const auto& info) { return "MS_" + std::to_string(info.param); });

TEST_F(Gen1Keys, AnEmptyMacroListAssignsNothing) {
    Begin();
    Choose(3, L"select_macro", [](HWND h, const std::wstring&) {
        uikit::Click(h, L"btn_ok");  // nothing to choose: the picker stays
        uikit::PumpUntilIdle();
        uikit::Click(h, L"btn_cancel");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_10_SelectMacro"});
    EXPECT_EQ(Key(3).byFunction, 3);
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C");
}

// Alpha, Beta and Gamma on disk; the first profile's button 3 plays Beta, button 5 Gamma and
// button 14 Beta; button 1 was a Beta button and is a left click again; the second profile's
// button 9 plays Beta.
class Gen1KeysResync : public Gen1Keys {
protected:
    void SetUp() override {
        Gen1Keys::SetUp();
        m_macros.push_back(Macro(L"Alpha", {{0x04, 1, 10}, {0x04, 2, 10}}));
        m_macros.push_back(Macro(L"Beta", {{0x05, 1, 10}, {0x05, 2, 10}}));
        m_macros.push_back(Macro(L"Gamma", {{0x06, 1, 10}, {0x06, 2, 10}}));
        StartWith(m_macros, [this](ProfileList& profiles) {
            Give(profiles[0]->stKeys[2], 1);
            Give(profiles[0]->stKeys[4], 2);
            Give(profiles[0]->stKeys[13], 1);
            Give(profiles[0]->stKeys[0], 1);
            profiles[0]->stKeys[0].byFunction = 1;
            Give(profiles[1]->stKeys[8], 1);
        });
        Started();
    }
    void Give(KeyEntry& entry, int iMacro) { PlayMacro(entry, m_macros, iMacro); }
    MacroList m_macros;
};

TEST_F(Gen1KeysResync, DeletingAMacroReturnsItsButtonsToTheirDefaults) {
    const KeyEntry button14 = Key(14);
    EditMacros([](HWND h) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"ms_10_macro_list"));
        ASSERT_TRUE(uikit::Click(pList->GetItemAt(1)));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));
    });
    EXPECT_EQ((std::vector<std::wstring>{L"MS_10_Macro", L"MsgWnd"}), m_dialogs);
    ASSERT_EQ(MacrosOnDisk().size(), 2u) << "Beta deleted";

    EXPECT_EQ(Key(3).byFunction, 3) << "button 3's default: the wheel click";
    EXPECT_EQ(Key(3).iMacroIndex, -1);
    EXPECT_TRUE(NameOf(Key(3).szMacroName).empty());
    EXPECT_EQ(Caption(3), L"Middle click");
    EXPECT_TRUE(CaptionIsTextId(3));
    EXPECT_EQ(Key(1).byFunction, 1) << "another function is kept";
    EXPECT_TRUE(NameOf(Key(1).szMacroName).empty()) << "its old name forgotten";
    const KeyEntry after14 = Key(14);
    EXPECT_EQ(std::memcmp(&after14, &button14, sizeof(KeyEntry)), 0) << "button 14 is not looked at";
    EXPECT_EQ(Key(5).iMacroIndex, 1) << "Gamma moved up";
    EXPECT_EQ(Caption(5), L"Macro: Gamma");

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "0C 08");
    EXPECT_EQ(KeyBytes(sent[1], 3), "04 00 00");
    EXPECT_EQ(KeyBytes(sent[1], 5), "12 00 05");
    const ProfileList disk = OnDisk();
    EXPECT_EQ(disk[0]->stKeys[2].byFunction, 3);
    EXPECT_EQ(disk[1]->stKeys[8].byFunction, 52) << "the other profile's button 9, saved with the apply";
    EXPECT_EQ(disk[1]->stKeys[8].iMacroIndex, -1);

    // The picker of button 5 shows Gamma chosen; OK keeps Gamma.
    int iShown = -2;
    Choose(5, L"select_macro", [&](HWND h, const std::wstring&) {
        iShown = static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"))->GetCurSel();
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(iShown, 1);
    EXPECT_EQ(std::wstring(NameOf(Key(5).szMacroName)), L"Gamma");
    EXPECT_EQ(Key(5).iLoopMode, 1);
    EXPECT_EQ(Key(5).iLoopCount, 5);
}

TEST_F(Gen1KeysResync, RenamingAMacroReturnsItsButtonsToTheirDefaults) {
    EditMacros([](HWND h) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"ms_10_macro_list"));
        ASSERT_TRUE(uikit::Click(pList->GetItemAt(2)));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, L"ms_10_macro_name_edit"), L"Delta"));
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));  // the name edit loses the focus
    });
    ASSERT_EQ(std::wstring(NameOf(MacrosOnDisk()[2]->szName)), L"Delta");
    EXPECT_EQ(Key(5).byFunction, 0) << "button 5's default: off";
    EXPECT_EQ(Caption(5), L"Disabled");
    EXPECT_EQ(Key(3).byFunction, kFunctionMacro) << "Beta is still there";
    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "0C 08");
    EXPECT_EQ(KeyBytes(sent[1], 5), "01 00 00");
}

TEST_F(Gen1KeysResync, AnEditorClosedWithoutChangesSendsNothing) {
    const ProfileRecord before = Page().CurrentProfileCopy();
    EditMacros([](HWND) {});
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_10_Macro"});
    const ProfileRecord after = Page().CurrentProfileCopy();
    EXPECT_EQ(std::memcmp(&after, &before, sizeof(ProfileRecord)), 0);
    // The buttons were looked at, so the page asked for an apply; the mouse has nothing new.
    EXPECT_EQ(Ids(AppliedWrites()), "0C");
}

TEST_F(Gen1Keys, TheMenuTellsEveryFunctionInEveryLanguage) {
    Begin();
    const HWND hMenu = OpenMenu(2);
    ASSERT_NE(hMenu, nullptr);
    CMenuUI* pMenu = static_cast<CMenuUI*>(uikit::ManagerOf(hMenu)->GetRoot()->GetInterface(L"Menu"));
    ASSERT_NE(pMenu, nullptr);
    std::set<std::wstring> items;
    for (int i = 0; i < pMenu->GetCount(); ++i) {
        const CDuiString strName = pMenu->GetItemAt(i)->GetName();
        if (!strName.IsEmpty()) items.insert(strName.GetData());
    }
    std::set<std::wstring> expected;
    for (const std::wstring& strItem : MenuItemNames()) expected.insert(L"ms_10_" + strItem);
    EXPECT_EQ(items, expected) << "one item per function, named as the page knows it";

    std::set<std::wstring> ids;
    uikit::CollectTextIds(hMenu, ids);
    for (const KeyFunctionRow& row : KeyFunctionTable)
        if (row.pszCaption != nullptr) ids.insert(row.pszCaption);
    ids.insert({L"task_view_text", L"assign_macro_text", L"one_click_text"});
    EXPECT_EQ(uikit::TextsMissing(ids), std::vector<std::string>{});

    // It opens at the button's top-right corner, in three columns no taller than its rows.
    RECT rcMain{}, rcMenu{};
    ::GetWindowRect(Window().hwnd(), &rcMain);
    ::GetWindowRect(hMenu, &rcMenu);
    const RECT& rcButton = KeyButton(2)->GetPos();
    EXPECT_EQ(pMenu->GetColumns().size(), 3u);
    EXPECT_EQ(rcMenu.bottom - rcMenu.top, kMenuRowHeight * pMenu->GetRowCount() + 4);
    // Kept on the screen: a menu that would pass its right edge ends there.
    const LONG xWanted = rcMain.left + rcButton.right;
    const LONG cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(rcMenu.left, std::min(xWanted, cxScreen - (rcMenu.right - rcMenu.left)));
    if (rcMain.top + rcButton.top + (rcMenu.bottom - rcMenu.top) < ::GetSystemMetrics(SM_CYSCREEN)) {
        EXPECT_EQ(rcMenu.top, rcMain.top + rcButton.top);
    } else {
        EXPECT_EQ(rcMenu.bottom, std::max<LONG>(rcMain.top + rcButton.top + 25, rcMenu.bottom - rcMenu.top));
    }
    uikit::PressKey(hMenu, VK_ESCAPE);
    EXPECT_TRUE(OpenMenuWindows().empty());
}

}  // namespace
}  // namespace gen1test
