// A macro from the recording to the mouse on the second-generation page: the macro editor opened
// from the page records a key and a mouse button through the real Hook.dll (keys and buttons made
// by SendInput, the hooks watched from outside), a mouse move is typed in, the picker gives the
// macro to a button as a colour macro, and the mouse gets frame 0x08 and the macro block byte for
// byte over the cable (MS_11) and the 2.4 GHz receiver (MS_12); macro.data and pro.data hold it.
#include "tests/gen2/gen2_keys_fixture.h"

#include "models/data/gen2_frames.h"
#include "tests/kit/hook_dll.h"
#include "tests/kit/hook_spy.h"
#include "tests/gen1/macro_dialog_fixture.h"

#include <cstring>
#include <tuple>

namespace gen2test {
namespace {

using namespace DuiLib;

void SendMouse(DWORD dwFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(input));
}

FrameBytes FromHex(const std::string& strHex) {
    FrameBytes bytes;
    for (size_t i = 0; i + 1 < strHex.size(); i += 3) bytes.push_back(static_cast<uint8_t>(std::stoi(strHex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::vector<std::string> ActionsOf(const MacroActionEx* pActions, int iCount) {
    std::vector<std::string> actions;
    for (int i = 0; i < iCount; ++i) {
        const MacroActionEx& a = pActions[i];
        std::string s = std::to_string(a.byKey) + "/" + std::to_string(a.byType) + "/" + std::to_string(a.wDelay);
        if (a.byType == kActionMove) s += "," + std::to_string(a.iX) + "," + std::to_string(a.iY);
        actions.push_back(s);
    }
    return actions;
}

class Gen2MacroEndToEnd : public Gen2KeysTest, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {
protected:
    std::wstring Named(const wchar_t* pszSuffix) const { return Prefix() + pszSuffix; }
};

TEST_P(Gen2MacroEndToEnd, ARecordedMacroWithAMoveReachesTheMouseAsAColourMacro) {
    const auto [iModel, links] = GetParam();
    Begin(iModel, links);
    const HMODULE hHookDll = ::GetModuleHandleW(L"Hook.dll");
    ASSERT_NE(hHookDll, nullptr) << "the main window loaded Hook.dll";
    kit::HookSpy hooks(hHookDll);
    ASSERT_TRUE(hooks.Watching());

    std::vector<std::wstring> recorded;
    std::vector<std::wstring> withMove;
    EditMacros([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, Named(L"macro_add_btn").c_str()));
        ASSERT_TRUE(uikit::Click(h, Named(L"default_delay_btn").c_str()));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, Named(L"default_delay_edit").c_str()), L"\b\b\b\b\b150"));
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));
        // C typed while the pointer rests on the record button; then the pointer leaves it and
        // the right button is clicked.
        ASSERT_TRUE(uikit::Click(h, Named(L"macro_record_btn").c_str()));
        kit::SendKey('C', true);
        kit::SendKey('C', false);
        ASSERT_TRUE(uikit::PumpUntil([&] { return macrotest::ActionRows(h, Prefix()).size() == 2; }));
        EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL), 1);
        ASSERT_TRUE(uikit::HoverOver(uikit::FindControl(h, Named(L"macro_action_list").c_str())));
        EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 1) << "the mouse is heard once the pointer left the record button";
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        ASSERT_TRUE(uikit::PumpUntil([&] { return macrotest::ActionRows(h, Prefix()).size() == 4; }));
        ASSERT_TRUE(uikit::Click(h, Named(L"macro_record_btn").c_str()));
        EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL), 0);
        EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0);
        recorded = macrotest::ActionRows(h, Prefix());

        // A move after the last action.
        auto* pActions = static_cast<CListUI*>(uikit::FindControl(h, Named(L"macro_action_list").c_str()));
        ASSERT_TRUE(uikit::Click(pActions->GetItemAt(3)));
        ASSERT_TRUE(uikit::Click(h, Named(L"macro_insert_mouse_btn").c_str()));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, L"ms_edit_x"), L"-300"));
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, L"ms_edit_y"), L"25"));
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));
        ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));
        withMove = macrotest::ActionRows(h, Prefix());
    });
    EXPECT_EQ(recorded, (std::vector<std::wstring>{L"C|Press|150", L"C|Release|150", L"Right Button|Press|150",
                                                   L"Right Button|Release|1"}));
    ASSERT_EQ(withMove.size(), 5u);
    EXPECT_EQ(withMove[4], L"Mouse move|X: -300 Y: 25|10");
    EXPECT_EQ(hooks.EverSet(WH_MOUSE_LL), 1);
    EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL) + hooks.Live(WH_MOUSE_LL), 0) << "no hook outlives the editor";

    const MacroListEx macros = MacrosOnDisk();
    ASSERT_EQ(macros.size(), 1u);
    const std::vector<std::string> actions = {"6/1/150", "6/2/150", "242/1/150", "242/2/1", "246/0/10,-300,25"};
    EXPECT_EQ(ActionsOf(macros[0]->stActions, macros[0]->iActionNum), actions);
    EXPECT_EQ(Page().AppliesRun(), m_uApplies) << "no button plays a macro yet: nothing to send";

    // Button 3 plays it three times, carrying a colour.
    Choose(3, L"select_macro", [](HWND h, const std::wstring&) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"));
        ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(0)));
        ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(h, L"edit_loop_time"), L"\b\b\b3"));
        uikit::Click(h, L"btn_ok");
    });
    const std::wstring strName(NameOf(macros[0]->szName));
    EXPECT_EQ(Caption(3), Text(L"assign_left_macro_text") + L"-" + strName);

    // Block 9 in the model's frame: the counted mode, white, three plays, ten events; a key or
    // button event is a pair (the delay's remainder of 100 with the press or release flag, the
    // code) followed by the delay's hundreds and 03; the move takes its delay, 246, X and Y high
    // byte first.
    const MacroFrameShape& shape = Description().macroFrame;
    FrameBytes block(shape.byLength, 0);
    const FrameBytes header = FromHex("09 00 09 00 FF FF FF 03");
    std::copy(header.begin(), header.end(), block.begin());
    block[1] = shape.byLength;
    block[shape.byCountAt] = 0x0A;
    const FrameBytes events = FromHex("33 06 01 03 B3 06 01 03 33 F2 01 03 81 F2 0A F6 FE D4 00 19");
    std::copy(events.begin(), events.end(), block.begin() + shape.byFirstPairAt);
    PutChecksum(block, static_cast<size_t>(shape.ChecksumAt()));
    // The cable takes the pieces the frame needs (two of 111 bytes, three of 131), the receiver three.
    const size_t uPieces = links == kCable ? static_cast<size_t>(MacroChunkCount(block)) : 3;

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(sent.size(), 1 + uPieces) << Ids(sent);
    EXPECT_EQ(Slice(sent[0], 0, 3), "08 3B 01") << "the key frame";
    EXPECT_EQ(KeyBytes(sent[0], 3), "3A 00 09") << "a colour macro, named by its first block";
    EXPECT_TRUE(OthersKept(sent[0], {3}));
    EXPECT_TRUE(pagetest::ChecksumHolds(sent[0], sent[0].size() - 2));

    for (size_t p = 0; p < uPieces; ++p) {
        const MacroChunk piece =
            BuildMacroChunk(block, static_cast<int>(p), links == kCable ? ChunkLink::Cable : ChunkLink::Receiver);
        EXPECT_EQ(sent[1 + p], kit::Bytes(piece.begin(), piece.end())) << "piece " << p;
    }

    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    const KeyEntryEx& entry = pSaved->stKeys[2];
    EXPECT_EQ(entry.byFunction, kFunctionMacroColour);
    EXPECT_EQ(ToHex(entry.byColor, sizeof(entry.byColor)), "FF FF FF 00");
    EXPECT_EQ(entry.iLoopMode, 0);
    EXPECT_EQ(entry.iLoopCount, 3);
    EXPECT_EQ(entry.iMacroIndex, 0);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), strName);
    EXPECT_EQ(ActionsOf(entry.stActions, entry.wActionNum), actions);
}

INSTANTIATE_TEST_SUITE_P(Links, Gen2MacroEndToEnd,
                         ::testing::Values(std::tuple{11, unsigned{kCable}}, std::tuple{12, unsigned{kReceiver}},
                                           std::tuple{18, unsigned{kCable}}, std::tuple{19, unsigned{kReceiver}}),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + (std::get<1>(info.param) == kCable ? "_Cable" : "_Receiver");
                         });

}  // namespace
}  // namespace gen2test
