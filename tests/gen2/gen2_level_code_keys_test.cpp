// Macros on the buttons of MS_20, MS_22 and MS_23 as a person gives them: buttons 1 to 6 each own
// macro blocks (1, 5, 9, 13, 17, 21), so their menus offer a macro and the picker's choice reaches
// the mouse as 131-byte blocks in three pieces; buttons 7 to 12 offer none. The model's own macro
// editor and picker come up.
#include "tests/gen2/gen2_keys_fixture.h"

#include "models/pages/button_functions.h"
#include "models/data/gen2_frames.h"

namespace gen2test {
namespace {

using namespace DuiLib;

class LevelCodeKeys : public Gen2KeysTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        MacroListEx macros;
        macros.push_back(Macro(L"Reload", {Key(0x15, kActionPress, 30), Key(0x15, kActionRelease, 30)}));
        macros.push_back(Macro(L"Strafe", {Move(-40, 7, 200)}));
        StartWith(GetParam(), macros, [](ProfileListEx&) {});
    }
    std::wstring ModelName() const { return L"MS_" + std::to_wstring(GetParam()); }
};

TEST_P(LevelCodeKeys, ButtonsOneToSixOfferAMacroTheOthersNone) {
    for (int n = 1; n <= kMenuButtonCount; ++n) {
        SCOPED_TRACE(n);
        const HWND hMenu = OpenMenu(n);
        ASSERT_NE(hMenu, nullptr);
        CControlUI* pItem = uikit::FindControl(hMenu, (Prefix() + L"select_macro").c_str());
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(pItem->IsVisible(), n <= 6);
        uikit::PressKey(hMenu, VK_ESCAPE);
    }
}

TEST_P(LevelCodeKeys, AMacroOnButton4GoesToItsBlock13InThreePieces) {
    Choose(4, L"select_macro", [](HWND h, const std::wstring&) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, L"list_macro"));
        ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(0)));
        uikit::Click(h, L"btn_ok");
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{ModelName() + L"_SelectMacro"});
    const KeyEntryEx entry = Button(4);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(Caption(4), Text(L"assign_macro_text") + L"Reload");

    const std::vector<kit::Bytes> sent = AppliedWrites();
    ASSERT_EQ(Ids(sent), "08 09 09 09") << "the key frame and one block in three pieces";
    EXPECT_EQ(KeyBytes(sent[0], 4), "12 00 0D");
    EXPECT_TRUE(OthersKept(sent[0], {4}));
    const FrameBytes block = BuildMacroChain(Description(), 3, entry).at(0);
    ASSERT_EQ(block.size(), 131u);
    // Block 13: play mode 0, white, once; a press and a release of 30 ms.
    EXPECT_EQ(ToHex(block.data(), 8), "09 83 0D 00 FF FF FF 01");
    EXPECT_EQ(ToHex(block.data() + 28, 5), "02 1F 15 9F 15");
    for (int p = 0; p < 3; ++p) {
        const MacroChunk piece = BuildMacroChunk(block, p, ChunkLink::Cable);
        EXPECT_EQ(sent[1 + static_cast<size_t>(p)], kit::Bytes(piece.begin(), piece.end())) << "piece " << p;
    }
    EXPECT_EQ(SavedCurrentProfile()->stKeys[3].byFunction, kFunctionMacro);
}

TEST_P(LevelCodeKeys, TheModelsOwnMacroEditor) {
    size_t uRows = 0;
    EditMacros([&](HWND h) {
        auto* pList = static_cast<CListUI*>(uikit::FindControl(h, (Prefix() + L"macro_list").c_str()));
        ASSERT_NE(pList, nullptr) << "the editor's skin is the model's";
        uRows = static_cast<size_t>(pList->GetCount());
    });
    EXPECT_EQ(m_dialogs, std::vector<std::wstring>{ModelName() + L"_Macro"});
    EXPECT_EQ(uRows, 2u);
}

INSTANTIATE_TEST_SUITE_P(Models, LevelCodeKeys, ::testing::Values(20, 22, 23), [](const auto& info) { return Name(info.param); });

}  // namespace
}  // namespace gen2test
