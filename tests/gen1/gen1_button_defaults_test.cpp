// What a button goes back to on MS_3, MS_4 and MS_5, whose factory functions differ at button 9
// (52 on MS_3, off on MS_4 and MS_5): a macro deleted in the macro editor sends the buttons that
// played it back to the model's own default, in every profile, and the profile reset gives the
// current profile the model's factory buttons; both checked on the captions, the key frame the
// mouse gets and pro.data.
#include "tests/gen1/gen1_settings_fixture.h"

#include "models/data/gen1_storage.h"
#include "tests/gen1/gen1_storage_fixture.h"
#include "tests/kit/page_world_fixture.h"

#include <cstring>

namespace gen1test {
namespace {

using namespace DuiLib;

using pagetest::KeyBytes;

struct ModelButtons {
    int iModel;
    uint8_t byButton9;             // the model's factory function of button 9
    const char* pszButton9Bytes;   // its bytes in frame 0x08
    const wchar_t* pszButton9Text;  // its caption's text id
};
constexpr ModelButtons kModels[] = {
    {3, 52, "3C 00 00", L""},
    {4, 0, "01 00 00", L"button_off_text"},
    {5, 0, "01 00 00", L"button_off_text"},
};

class Gen1ButtonDefaults : public Gen1SettingsTest, public ::testing::WithParamInterface<ModelButtons> {
protected:
    int ModelNumber() const { return GetParam().iModel; }
    Gen1Storage Files(int iModel) {
        return Gen1Storage(*FindGen1Model(iModel), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    }
    // Two profiles and the macros Alpha and Beta on disk before the page starts, as `edit` left
    // them; the page then starts on the cable and its first full send is done.
    void StartWith(const std::function<void(ProfileList&)>& edit) {
        Gen1Storage storage = Files(ModelNumber());
        ProfileList profiles;
        for (int i = 0; i < 2; ++i) storage.AddDefaultProfile(profiles);
        edit(profiles);
        ASSERT_TRUE(storage.SaveProData(profiles, ProDataHeader{}));
        ASSERT_TRUE(storage.SaveMacroData(m_macros));
        Start(ModelNumber(), Link::Cable);
        Apply();
        Mark();
    }
    ProfileList OnDisk() {
        ProfileList profiles;
        ProDataHeader header;
        Files(ModelNumber()).LoadProData(profiles, header);
        return profiles;
    }
    KeyEntry Key(int n) { return Page().CurrentProfileCopy().stKeys[n - 1]; }
    std::wstring CaptionId(int n) {
        CControlUI* pButton = Control((L"btn_key_" + std::to_wstring(n)).c_str());
        return pButton != nullptr && pButton->IsResourceText() ? pButton->GetTextSource().GetData() : L"(composed)";
    }
    // Marks the applies run so far and forgets what the mouse got.
    void Mark() {
        m_uApplies = Page().AppliesRun();
        ClearWrites();
    }
    // Waits for the apply the page asked for since Mark (the window ran its request while the
    // dialogs were open); what the mouse got over the cable.
    std::vector<kit::Bytes> RequestedApply() {
        EXPECT_TRUE(WaitForApplies(m_uApplies + 1)) << "the page asked for an apply";
        return CableWrites();
    }

    unsigned m_uApplies = 0;
    MacroList m_macros = [] {
        MacroList macros;
        macros.push_back(Macro(L"Alpha", {{0x04, 1, 10}, {0x04, 2, 10}}));
        macros.push_back(Macro(L"Beta", {{0x05, 1, 10}, {0x05, 2, 10}}));
        return macros;
    }();
};

// Beta plays on buttons 6 and 9 of the first profile and button 9 of the second; Alpha on
// button 4 of the first. Beta is deleted in the editor.
TEST_P(Gen1ButtonDefaults, AMacroDeletedInTheEditorSendsItsButtonsBackToTheModelsDefaults) {
    StartWith([this](ProfileList& profiles) {
        PlayMacro(profiles[0]->stKeys[3], m_macros, 0);
        PlayMacro(profiles[0]->stKeys[5], m_macros, 1);
        PlayMacro(profiles[0]->stKeys[8], m_macros, 1);
        PlayMacro(profiles[1]->stKeys[8], m_macros, 1);
    });
    const std::wstring strPrefix = L"ms_" + std::to_wstring(ModelNumber()) + L"_";
    const std::wstring strEditor = L"MS_" + std::to_wstring(ModelNumber()) + L"_Macro";
    std::vector<std::wstring> dialogs;
    {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            const HWND h = wnd.GetHWND();
            dialogs.push_back(wnd.GetWindowClassName());
            if (dialogs.back() != strEditor) {
                uikit::Click(h, L"btn_ok");  // the editor's question before the deletion
                return;
            }
            auto* pList = static_cast<CListUI*>(uikit::FindControl(h, (strPrefix + L"macro_list").c_str()));
            ASSERT_NE(pList, nullptr);
            ASSERT_TRUE(uikit::Click(pList->GetItemAt(1)));
            ASSERT_TRUE(uikit::Click(h, (strPrefix + L"macro_delete_btn").c_str()));
            uikit::Click(h, L"btn_exit");
        });
        ClickOn(L"btn_macro");
        uikit::PumpUntilIdle();
    }
    EXPECT_EQ(dialogs, (std::vector<std::wstring>{strEditor, L"MsgWnd"}));

    const ModelButtons& model = GetParam();
    EXPECT_EQ(Key(9).byFunction, model.byButton9);
    EXPECT_EQ(Key(9).iMacroIndex, -1);
    EXPECT_TRUE(NameOf(Key(9).szMacroName).empty());
    EXPECT_EQ(Key(9).wActionNum, 0);
    EXPECT_EQ(CaptionId(9), model.pszButton9Text);
    EXPECT_EQ(Key(6).byFunction, 24);
    EXPECT_EQ(CaptionId(6), L"");
    EXPECT_EQ(Key(4).byFunction, kFunctionMacro) << "Alpha is still there";
    EXPECT_EQ(Key(4).iMacroIndex, 0);

    const std::vector<kit::Bytes> sent = RequestedApply();
    ASSERT_EQ(Ids(sent), "0C 08");
    EXPECT_EQ(KeyBytes(sent[1], 9), model.pszButton9Bytes);
    EXPECT_EQ(KeyBytes(sent[1], 6), "28 00 00");
    EXPECT_EQ(KeyBytes(sent[1], 4), "12 00 04") << "Alpha, named by its button";
    EXPECT_TRUE(ChecksumHolds(sent[1], 57));

    const ProfileList disk = OnDisk();
    ASSERT_EQ(disk.size(), 2u);
    for (size_t i = 0; i < disk.size(); ++i) {
        SCOPED_TRACE("profile " + std::to_string(i + 1));
        EXPECT_EQ(disk[i]->stKeys[8].byFunction, model.byButton9);
        EXPECT_EQ(disk[i]->stKeys[8].iMacroIndex, -1);
    }
}

// The reset gives the current profile the model's factory settings, button 9 with the model's own
// function, and the mouse gets them whole; over the cable MS_3 and MS_4 hold their factory rate,
// the fastest, as the fourth.
TEST_P(Gen1ButtonDefaults, TheProfileResetGivesButtonNineTheModelsFactoryFunction) {
    StartWith([](ProfileList& profiles) {
        for (auto& pProfile : profiles) {
            pProfile->stKeys[8].byFunction = 33;  // copy
            pProfile->stKeys[5].byFunction = 7;   // DPI up
            pProfile->iRate = 0;
        }
    });
    EXPECT_EQ(CaptionId(9), L"copy_text");
    {
        uikit::ModalAnswer modal(uikit::ModalAnswer::ClickControl(L"btn_ok"));
        ClickOn(L"profile_reset_btn");
        uikit::PumpUntilIdle(200);
        EXPECT_EQ(modal.GetClassNames(), std::vector<std::wstring>{L"MsgWnd"});
    }
    const ModelButtons& model = GetParam();
    EXPECT_EQ(Key(9).byFunction, model.byButton9);
    EXPECT_EQ(CaptionId(9), model.pszButton9Text);
    EXPECT_EQ(Key(6).byFunction, 24);

    const std::vector<kit::Bytes> sent = RequestedApply();
    ASSERT_EQ(Ids(sent), "0C 04 05 06 08");
    EXPECT_EQ(ToHex(sent[3]), model.iModel == 5 ? "06 09 01 01 FE 00 00 00 00" : "06 09 01 04 FB 00 00 00 00");
    EXPECT_EQ(KeyBytes(sent[4], 9), model.pszButton9Bytes);
    EXPECT_EQ(KeyBytes(sent[4], 6), "28 00 00");
    const ProfileList disk = OnDisk();
    EXPECT_EQ(disk[0]->stKeys[8].byFunction, model.byButton9);
    EXPECT_EQ(disk[1]->stKeys[8].byFunction, 33) << "the other profile is not reset";
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1ButtonDefaults, ::testing::ValuesIn(kModels),
                         [](const auto& info) { return "MS_" + std::to_string(info.param.iModel); });

}  // namespace
}  // namespace gen1test
