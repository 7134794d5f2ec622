// Button functions on the second-generation page, driven as a person does on MS_11 and MS_12
// (the macros on all four models): a click on a key button opens the button-function menu, an
// item gives the button its function (or, through the shortcut dialog and the macro picker, a
// shortcut or a macro, plain or with a colour) as long as some button keeps the left click; the
// caption follows and the change reaches the mouse (frame 0x08 and the macro blocks byte for
// byte) and pro.data. Buttons without a macro slot on the mouse get no macro. After the macro
// editor every profile's buttons follow the edited macros, and the picker shows a button's macro
// where the editor left it.
#include "tests/gen2/gen2_keys_fixture.h"

#include "models/pages/button_captions.h"
#include "models/data/gen2_frames.h"
#include "plugins/include/hook_api.h"

#include <cstring>
#include <map>
#include <set>

namespace gen2test {
namespace {

using namespace DuiLib;

// The rows of the picker's macro list and its answers.
int ChosenRow(HWND h) { return static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"))->GetCurSel(); }
bool Ticked(HWND h, const wchar_t* pszName) { return static_cast<CCheckBoxUI*>(uikit::FindControl(h, pszName))->GetCheck(); }
bool OptionOn(HWND h, const wchar_t* pszName) { return static_cast<COptionUI*>(uikit::FindControl(h, pszName))->IsSelected(); }
void PickRow(HWND h, int i) {
    auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"));
    ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(i)));
}

// The blocks of button n's macro as the cable carries them: two pieces a block.
std::vector<kit::Bytes> CablePieces(const Gen2Model& model, int n, const KeyEntryEx& entry) {
    std::vector<kit::Bytes> pieces;
    for (const FrameBytes& block : BuildMacroChain(model, n - 1, entry))
        for (int p = 0; p < 2; ++p) {
            const MacroChunk chunk = BuildMacroChunk(block, p, ChunkLink::Cable);
            pieces.emplace_back(chunk.begin(), chunk.end());
        }
    return pieces;
}

std::string ColourOf(const KeyEntryEx& entry) { return ToHex(entry.byColor, sizeof(entry.byColor)); }

class Gen2Keys : public Gen2KeysTest, public ::testing::WithParamInterface<int> {};

TEST_P(Gen2Keys, AMenuItemGivesTheButtonItsFunctionCaptionFrameAndFile) {
    Begin(GetParam());
    struct Case {
        const char* what;
        int n;
        const wchar_t* pszItem;  // the menu's item, or a full command name (bCommand)
        bool bCommand;
        uint8_t byFunction;
        const char* bytes;       // the button's three bytes in frame 0x08
        const wchar_t* pszCaption;
    } cases[] = {
        {"a keyboard function", 5, L"copy", false, 33, "11 01 06", L"copy_text"},
        {"a media function", 7, L"media_stop", false, 66, "19 00 00", L"media_stop_text"},
        {"a mouse function on a button 8..12", 12, L"scroll_up", false, 11, "09 00 00", L"scroll_up_text"},
        {"the same button again", 12, L"dpi_down", false, 8, "0F 00 00", L"dpi_down_text"},
        {"a name in other letter case", 2, L"ms_@_BUTTON_Off", true, 0, "01 00 00", L"button_off_text"},
        {"a name of the page no item has: the left click", 3, L"ms_@_no_such_item", true, 1, "02 00 00", L"left_click_text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.bCommand) {
            std::wstring strName = c.pszItem;
            strName.replace(strName.find(L'@'), 1, std::to_wstring(Model()));
            Command(c.n, strName);
        } else {
            Choose(c.n, c.pszItem);
        }
        EXPECT_TRUE(m_dialogs.empty());
        EXPECT_EQ(Button(c.n).byFunction, c.byFunction);
        EXPECT_EQ(Caption(c.n), Text(c.pszCaption));
        EXPECT_TRUE(CaptionIsTextId(c.n));
        const std::vector<kit::Bytes> sent = AppliedWrites();
        ASSERT_EQ(Ids(sent), "08");
        EXPECT_EQ(KeyBytes(sent[0], c.n), c.bytes);
        EXPECT_TRUE(OthersKept(sent[0], {c.n}));
        EXPECT_TRUE(pagetest::ChecksumHolds(sent[0], sent[0].size() - 2));
        const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
        ASSERT_NE(pSaved, nullptr);
        EXPECT_EQ(pSaved->stKeys[c.n - 1].byFunction, c.byFunction);
    }
}

TEST_P(Gen2Keys, SomeButtonOfOneToSixteenKeepsTheLeftClick) {
    // Button 1 is a DPI button; only button 17 clicks left, as an imported profile may have it.
    StartWith(GetParam(), {}, [](ProfileListEx& profiles) {
        profiles[0]->stKeys[0].byFunction = 7;
        profiles[0]->stKeys[16].byFunction = 1;
    });
    struct Case {
        const char* what;
        std::function<void(ProfileRecordEx&)> before;  // the profile as a handler left it
        int n;
        const wchar_t* pszItem;
        bool bRefused;
    } cases[] = {
        {"button 17's left click does not count", {}, 3, L"menu", true},
        {"a shortcut then opens no dialog", {}, 3, L"shortcut", true},
        {"a macro then opens no picker", {}, 3, L"select_macro", true},
        {"the left click itself is taken", {}, 3, L"click", false},
        {"button 3 may not lose it", {}, 3, L"scroll", true},
        {"with button 16 clicking left it may", [](ProfileRecordEx& p) { p.stKeys[15].byFunction = 1; }, 3, L"scroll", false},
        {"then button 16 holds the only one", [](ProfileRecordEx& p) { p.stKeys[16].byFunction = 12; }, 1, L"menu", false},
        {"button 18 does not count either",
         [](ProfileRecordEx& p) {
             p.stKeys[15].byFunction = 0;
             p.stKeys[17].byFunction = 1;
             p.stKeys[11].byFunction = 1;
         },
         12, L"double_click", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.before) Page().Edit(c.before);
        const ProfileRecordEx before = Page().CurrentProfileCopy();
        const std::wstring strCaption = Caption(c.n);
        Choose(c.n, c.pszItem, [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_cancel"); });
        if (c.bRefused) {
            EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MsgWnd"});
            EXPECT_EQ(m_messages, (std::vector<std::wstring>{Text(L"warning_title_text"), Text(L"one_click_text")}));
            const ProfileRecordEx after = Page().CurrentProfileCopy();
            EXPECT_EQ(std::memcmp(&after.stKeys, &before.stKeys, sizeof(before.stKeys)), 0) << "nothing changed";
            EXPECT_EQ(Caption(c.n), strCaption);
        } else {
            EXPECT_TRUE(m_dialogs.empty());
            EXPECT_EQ(Button(c.n).byFunction, FunctionOfMenuItem(Prefix() + c.pszItem, Prefix()));
            AppliedWrites();
        }
    }
    // Only the accepted changes reached the mouse: button 1 the menu, button 3 the wheel click.
    Page().RequestResendAll();
    Apply();
    const kit::Bytes frame = KeyFrameOf(CableWrites());
    EXPECT_EQ(KeyBytes(frame, 1), "03 00 00");
    EXPECT_EQ(KeyBytes(frame, 3), "04 00 00");
    EXPECT_EQ(KeyBytes(frame, 12), "02 00 00") << "the test's own edit";
}

TEST_P(Gen2Keys, AShortcutTypedInTheDialog) {
    Begin(GetParam());
    // Ctrl+Shift+A typed in the key field, as the keyboard hook reports it.
    Choose(6, L"shortcut", [](HWND h, const std::wstring&) {
        ASSERT_TRUE(uikit::Click(h, L"edit_key"));
        for (auto [vk, up] : {std::pair{VK_LCONTROL, 0}, {VK_LSHIFT, 0}, {'A', 0}, {'A', 1}, {VK_LSHIFT, 1}, {VK_LCONTROL, 1}})
            ::PostMessageW(h, WM_HOOKKEY, static_cast<WPARAM>(vk), up);
        uikit::PumpUntilIdle();
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"ShortcutWnd"});
    const KeyEntryEx entry = Button(6);
    EXPECT_EQ(entry.byFunction, kFunctionShortcut);
    EXPECT_EQ(entry.byModifiers, 3) << "Ctrl and Shift";
    EXPECT_EQ(entry.byUsage, 0x04);
    EXPECT_EQ(Caption(6), Text(L"keyboard_ctrl_text") + L"+" + Text(L"keyboard_shift_text") + L"+A");
    EXPECT_FALSE(CaptionIsTextId(6));
    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "08");
    EXPECT_EQ(KeyBytes(sent[0], 6), "11 03 04");
    EXPECT_TRUE(OthersKept(sent[0], {6}));
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    EXPECT_EQ(pSaved->stKeys[5].byModifiers, 3);
    EXPECT_EQ(pSaved->stKeys[5].byUsage, 0x04);

    // Cancelled, and OK with nothing typed: the shortcut stays.
    Choose(6, L"shortcut", [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_cancel"); });
    Choose(7, L"shortcut", [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_ok"); });
    EXPECT_EQ(Button(6).byFunction, kFunctionShortcut);
    EXPECT_EQ(Button(7).byFunction, ModelOf(GetParam()).defaults.byFunction[6]);
}

TEST_P(Gen2Keys, AMenuThatWouldReachTheScreensBottomOpensUpwards) {
    Begin(GetParam());
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    const RECT rcButton = KeyButton(12)->GetPos();
    RECT rcMain{};
    ::GetWindowRect(Window().hwnd(), &rcMain);
    struct Case {
        const char* what;
        int yButton;  // the button's top on the screen
        bool bUpwards;
    } cases[] = {
        {"room enough below", 40, false},
        {"near the bottom edge", cyScreen - 60, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::SetWindowPos(Window().hwnd(), nullptr, rcMain.left, c.yButton - rcButton.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        uikit::PumpUntilIdle();
        const HWND hMenu = OpenMenu(12);
        ASSERT_NE(hMenu, nullptr);
        CMenuUI* pMenu = static_cast<CMenuUI*>(uikit::ManagerOf(hMenu)->GetRoot()->GetInterface(L"Menu"));
        ASSERT_NE(pMenu, nullptr);
        RECT rcMenu{};
        ::GetWindowRect(hMenu, &rcMenu);
        EXPECT_EQ(rcMenu.bottom - rcMenu.top, kMenuRowHeight * pMenu->GetRowCount() + 4);
        if (c.bUpwards) {
            EXPECT_EQ(rcMenu.bottom, c.yButton + 25) << "it ends 25 pixels below the button's top";
        } else {
            EXPECT_EQ(rcMenu.top, c.yButton) << "it opens at the button's top";
        }
        uikit::PressKey(hMenu, VK_ESCAPE);
    }
}

// Reload (a key pressed and released) and Strafe (a move) on disk.
class Gen2KeyMacros : public Gen2Keys {
protected:
    void StartWithMacros() {
        MacroListEx macros;
        macros.push_back(Macro(L"Reload", {Key(0x15, 1, 30), Key(0x15, 2, 30)}));
        macros.push_back(Macro(L"Strafe", {Move(-40, 7, 200)}));
        StartWith(GetParam(), macros, [](ProfileListEx&) {});
    }
};

TEST_P(Gen2KeyMacros, AColourMacroFromThePickerThenPlainAgain) {
    StartWithMacros();
    // Button 3 plays Strafe with a colour, in the third play mode.
    Choose(3, L"select_macro", [](HWND h, const std::wstring&) {
        EXPECT_EQ(ChosenRow(h), -1);
        EXPECT_FALSE(Ticked(h, L"check_left_macro"));
        PickRow(h, 1);
        ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
        ASSERT_TRUE(uikit::Click(h, L"repeat_3"));
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_" + std::to_wstring(GetParam()) + L"_SelectMacro"});
    KeyEntryEx entry = Button(3);
    EXPECT_EQ(entry.byFunction, kFunctionMacroColour);
    EXPECT_EQ(entry.iMacroIndex, 1);
    EXPECT_EQ(entry.iLoopMode, 2);
    EXPECT_EQ(ColourOf(entry), "FF FF FF 00") << "a new colour macro is white";
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), L"Strafe");
    EXPECT_EQ(entry.wActionNum, 1);
    EXPECT_EQ(Caption(3), Text(L"assign_left_macro_text") + L"-Strafe");
    EXPECT_FALSE(CaptionIsTextId(3));

    std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "08 09 09") << "the key frame and one block in two pieces";
    EXPECT_EQ(KeyBytes(sent[0], 3), "3A 00 09") << "a colour macro, named by its first block";
    EXPECT_TRUE(OthersKept(sent[0], {3}));
    const std::vector<kit::Bytes> pieces = CablePieces(Description(), 3, entry);
    EXPECT_EQ(std::vector<kit::Bytes>(sent.begin() + 1, sent.end()), pieces);
    // Block 9: mode 2, white, one play, three events: the move (40 ms low part, then 2 hundreds).
    const FrameBytes block = BuildMacroChain(Description(), 2, entry).at(0);
    EXPECT_EQ(ToHex(block.data(), 19), "09 6F 09 02 FF FF FF 01 04 01 F6 FF D8 00 07 02 03 00 00");
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    EXPECT_EQ(pSaved->stKeys[2].byFunction, kFunctionMacroColour);
    EXPECT_EQ(ColourOf(pSaved->stKeys[2]), "FF FF FF 00");

    // The picker shows the button's macro, mode and colour option; without the colour the button
    // plays the plain macro and keeps the colour bytes it had.
    Choose(3, L"select_macro", [](HWND h, const std::wstring&) {
        EXPECT_EQ(ChosenRow(h), 1);
        EXPECT_TRUE(OptionOn(h, L"repeat_3"));
        EXPECT_TRUE(Ticked(h, L"check_left_macro"));
        EXPECT_FALSE(uikit::FindControl(h, L"btn_color")->IsVisible());
        ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
        uikit::Click(h, L"btn_ok");
    });
    entry = Button(3);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(ColourOf(entry), "FF FF FF 00");
    EXPECT_EQ(Caption(3), Text(L"assign_macro_text") + L"Strafe");
    sent = AppliedWrites();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(KeyBytes(sent[0], 3), "12 00 09");

    // Cancelled: nothing changes and nothing is sent.
    const ProfileRecordEx before = Page().CurrentProfileCopy();
    Choose(3, L"select_macro", [](HWND h, const std::wstring&) {
        PickRow(h, 0);
        uikit::Click(h, L"btn_cancel");
    });
    const ProfileRecordEx after = Page().CurrentProfileCopy();
    EXPECT_EQ(std::memcmp(&after.stKeys, &before.stKeys, sizeof(before.stKeys)), 0);
}

// OK pressed before a macro is chosen keeps the picker open; the macro chosen then is the
// button's: its caption, the key frame and the macro blocks the mouse gets, and pro.data.
TEST_P(Gen2KeyMacros, OkWithNoMacroChosenKeepsThePickerForTheMacroChosenNext) {
    StartWithMacros();
    bool bStayed = false;
    Choose(3, L"select_macro", [&](HWND h, const std::wstring&) { bStayed = pagetest::PickMacroAfterAnEarlyOk(h, 0); });
    EXPECT_TRUE(bStayed) << "OK with nothing chosen keeps the picker open";
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{L"MS_" + std::to_wstring(GetParam()) + L"_SelectMacro"});
    const KeyEntryEx entry = Button(3);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(entry.iMacroIndex, 0);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), L"Reload");
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(Caption(3), Text(L"assign_macro_text") + L"Reload");

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "08 09 09") << "the key frame and one block in two pieces";
    EXPECT_EQ(KeyBytes(sent[0], 3), "12 00 09") << "a macro, named by its first block";
    EXPECT_TRUE(OthersKept(sent[0], {3}));
    EXPECT_EQ(std::vector<kit::Bytes>(sent.begin() + 1, sent.end()), CablePieces(Description(), 3, entry));
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    EXPECT_EQ(pSaved->stKeys[2].byFunction, kFunctionMacro);
    EXPECT_EQ(std::wstring(NameOf(pSaved->stKeys[2].szMacroName)), L"Reload");
    EXPECT_EQ(pSaved->stKeys[2].iMacroIndex, 0);
}

TEST_P(Gen2KeyMacros, AButtonWithoutAMacroSlotGetsNoMacro) {
    StartWithMacros();
    // The menu buttons without a macro block of their own, by model.
    const std::map<int, std::set<int>> kSlotless = {
        {11, {4, 5, 8, 9, 10, 11, 12}}, {8, {4, 5, 8, 9, 10, 11, 12}}, {12, {4, 9, 10, 11, 12}},
        {13, {4, 9, 10, 11, 12}},       {14, {5, 6, 9, 10, 11, 12}},   {16, {4, 5, 8, 9, 10, 11, 12}},
    };
    const std::set<int>& slotless = kSlotless.at(GetParam());
    for (int n = 1; n <= kMenuButtonCount; ++n) {
        SCOPED_TRACE(n);
        const HWND hMenu = OpenMenu(n);
        ASSERT_NE(hMenu, nullptr);
        CMenuUI* pMenu = static_cast<CMenuUI*>(uikit::ManagerOf(hMenu)->GetRoot()->GetInterface(L"Menu"));
        ASSERT_NE(pMenu, nullptr);
        CControlUI* pItem = uikit::FindControl(hMenu, (Prefix() + L"select_macro").c_str());
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(pItem->IsVisible(), slotless.count(n) == 0);
        EXPECT_TRUE(uikit::FindControl(hMenu, (Prefix() + L"shortcut").c_str())->IsVisible());
        // The menu is as high as its visible rows.
        RECT rcMenu{};
        ::GetWindowRect(hMenu, &rcMenu);
        EXPECT_EQ(rcMenu.bottom - rcMenu.top, kMenuRowHeight * pMenu->GetRowCount() + 4);
        uikit::PressKey(hMenu, VK_ESCAPE);
        if (slotless.count(n) == 0) continue;
        // The macro command reaching the page all the same (in any letter case) is refused.
        const KeyEntryEx before = Button(n);
        for (const wchar_t* pszName : {L"select_macro", L"SELECT_MACRO"}) {
            Command(n, Prefix() + pszName, [](HWND h, const std::wstring&) { uikit::Click(h, L"btn_ok"); });
            EXPECT_TRUE(m_dialogs.empty()) << "no picker";
        }
        const KeyEntryEx after = Button(n);
        EXPECT_EQ(std::memcmp(&after, &before, sizeof(KeyEntryEx)), 0);
    }
    // Nothing reached the mouse.
    Apply();
    EXPECT_EQ(KeyFrameOf(CableWrites()), kit::Bytes{});
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2Keys, ::testing::Values(11, 12, 14), [](const auto& info) { return Name(info.param); });
// The macros on every model of the generation: their macro slots and pickers are the models' own.
INSTANTIATE_TEST_SUITE_P(Models, Gen2KeyMacros, ::testing::ValuesIn(kGen2Models), [](const auto& info) { return Name(info.param); });

// Alpha, Beta and Gamma on disk. The first profile: button 2 plays Beta with a colour, button 3
// Gamma with a colour, button 6 was a Beta button and is a forward button again (it still holds
// the name). The second profile: button 7 plays Beta.
class Gen2KeysResync : public Gen2KeysTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        m_macros.push_back(Macro(L"Alpha", {Key(0x04, 1, 10), Key(0x04, 2, 10)}));
        m_macros.push_back(Macro(L"Beta", {Key(0x05, 1, 10), Move(3, 3, 10), Key(0x05, 2, 10)}));
        m_macros.push_back(Macro(L"Gamma", {Key(0x06, 1, 10), Key(0x06, 2, 10)}));
        StartWith(GetParam(), m_macros, [this](ProfileListEx& profiles) {
            Give(profiles[0]->stKeys[1], 1, kFunctionMacroColour);
            Give(profiles[0]->stKeys[2], 2, kFunctionMacroColour);
            Give(profiles[0]->stKeys[5], 1, kFunctionMacro);
            profiles[0]->stKeys[5].byFunction = 4;
            Give(profiles[1]->stKeys[6], 1, kFunctionMacro);
        });
    }
    void Give(KeyEntryEx& entry, int iMacro, uint8_t byFunction) { GiveMacro(entry, m_macros, iMacro, byFunction); }
    void DeleteMacro(HWND h, int i) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, (Prefix() + L"macro_list").c_str()));
        ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(i)));
        ASSERT_TRUE(uikit::Click(h, (Prefix() + L"macro_delete_btn").c_str()));
    }
    MacroListEx m_macros;
};

TEST_P(Gen2KeysResync, ADeletedMacroReturnsItsButtonsToTheirDefaultsInEveryProfile) {
    const uint8_t (&defaults)[kButtonCount] = ModelOf(GetParam()).defaults.byFunction;
    EditMacros([&](HWND h) { DeleteMacro(h, 1); });
    EXPECT_EQ((std::vector<std::wstring>{L"MS_" + std::to_wstring(GetParam()) + L"_Macro", L"MsgWnd"}), m_dialogs)
        << "the editor asks before it deletes";
    ASSERT_EQ(MacrosOnDisk().size(), 2u) << "Beta deleted";

    const KeyEntryEx button2 = Button(2);
    EXPECT_EQ(button2.byFunction, defaults[1]);
    EXPECT_EQ(button2.iMacroIndex, -1);
    EXPECT_TRUE(NameOf(button2.szMacroName).empty());
    EXPECT_EQ(button2.wActionNum, 0);
    EXPECT_EQ(ColourOf(button2), "00 00 00 00");
    EXPECT_EQ(Caption(2), Text(L"right_click_text"));
    EXPECT_TRUE(CaptionIsTextId(2));
    EXPECT_EQ(Button(6).byFunction, 4) << "another function is kept";
    EXPECT_TRUE(NameOf(Button(6).szMacroName).empty()) << "its old name forgotten";
    EXPECT_EQ(Button(6).iMacroIndex, -1);
    EXPECT_EQ(Button(3).byFunction, kFunctionMacroColour);
    EXPECT_EQ(Button(3).iMacroIndex, 1) << "Gamma moved up";
    EXPECT_EQ(ColourOf(Button(3)), "12 34 56 00") << "its colour kept";
    EXPECT_EQ(Caption(3), Text(L"assign_left_macro_text") + L"-Gamma");

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(Ids(sent).substr(0, 2), "08");
    EXPECT_EQ(KeyBytes(sent[0], 2), "03 00 00");
    EXPECT_EQ(KeyBytes(sent[0], 3), "3A 00 09");
    const ProfileListEx disk = ProfilesOnDisk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0]->stKeys[1].byFunction, defaults[1]);
    EXPECT_EQ(disk[0]->stKeys[2].iMacroIndex, 1);
    EXPECT_EQ(disk[1]->stKeys[6].byFunction, defaults[6]) << "the other profile's button 7, saved with the apply";
    EXPECT_EQ(disk[1]->stKeys[6].iMacroIndex, -1);

    // The picker of button 3 shows Gamma chosen where it now stands; OK keeps Gamma and its colour.
    int iShown = -2;
    Choose(3, L"select_macro", [&](HWND h, const std::wstring&) {
        iShown = ChosenRow(h);
        EXPECT_TRUE(Ticked(h, L"check_left_macro"));
        EXPECT_TRUE(OptionOn(h, L"repeat_3"));
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(iShown, 1);
    EXPECT_EQ(std::wstring(NameOf(Button(3).szMacroName)), L"Gamma");
    EXPECT_EQ(Button(3).iLoopMode, 2);
    EXPECT_EQ(Button(3).iLoopCount, 9);
    EXPECT_EQ(ColourOf(Button(3)), "12 34 56 00");
}

TEST_P(Gen2KeysResync, AMacroMovedUpInTheListIsStillPickedForItsButton) {
    // Alpha deleted: Beta and Gamma move up one place each.
    EditMacros([&](HWND h) { DeleteMacro(h, 0); });
    ASSERT_EQ(MacrosOnDisk().size(), 2u);
    EXPECT_EQ(Button(2).iMacroIndex, 0);
    EXPECT_EQ(Button(3).iMacroIndex, 1);
    EXPECT_EQ(std::wstring(NameOf(Button(6).szMacroName)), L"Beta")
        << "the forward button's name still names a macro";
    EXPECT_EQ(Button(6).byFunction, 4);
    for (auto [n, iRow] : {std::pair{2, 0}, {3, 1}}) {
        int iShown = -2;
        Choose(n, L"select_macro", [&](HWND h, const std::wstring&) {
            iShown = ChosenRow(h);
            uikit::Click(h, L"btn_cancel");
        });
        EXPECT_EQ(iShown, iRow) << "button " << n;
    }
}

TEST_P(Gen2KeysResync, ARenamedMacroIsNoLongerPlayed) {
    EditMacros([&](HWND h) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, (Prefix() + L"macro_list").c_str()));
        ASSERT_TRUE(uikit::Click(pList->GetItemAt(2)));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, (Prefix() + L"macro_name_edit").c_str()), L"Delta"));
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));  // the name edit loses the focus
    });
    ASSERT_EQ(std::wstring(NameOf(MacrosOnDisk()[2]->szName)), L"Delta");
    EXPECT_EQ(Button(3).byFunction, ModelOf(GetParam()).defaults.byFunction[2]);
    EXPECT_EQ(Caption(3), Text(L"wheel_click_text"));
    EXPECT_EQ(Button(2).byFunction, kFunctionMacroColour) << "Beta is still there";
    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(KeyBytes(sent[0], 3), "04 00 00");
    EXPECT_TRUE(OthersKept(sent[0], {3}));
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2KeysResync, ::testing::Values(11, 12, 14, 16), [](const auto& info) { return Name(info.param); });

}  // namespace
}  // namespace gen2test
