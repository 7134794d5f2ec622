// Profile management on the first-generation page, driven through the page's buttons, its list,
// the name dialog, the message box and the file dialog: each operation's profile becomes current
// and goes to the mouse whole, pro.data on disk follows every operation, imports refuse files
// they cannot take with a message, and a restart shows what was left.
#include "tests/gen1/gen1_settings_fixture.h"

#include "core/dialogs/file_dialog.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/data/record_sizes.h"
#include "tests/kit/storage_kit.h"
#include "core/util/string_helpers.h"

namespace gen1test {
namespace {

using namespace DuiLib;

class Gen1Profiles : public Gen1SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    ~Gen1Profiles() override { SetFileDialogHandler({}); }

    // Clicks a profile button; every dialog it opens is answered by `answer`. The window classes
    // of the dialogs it opened.
    std::vector<std::wstring> Press(const wchar_t* pszButton, uikit::ModalAnswer::Action answer) {
        uikit::ModalAnswer modal(std::move(answer));
        Mark();
        ClickOn(pszButton);
        uikit::PumpUntilIdle(200);
        return modal.GetClassNames();
    }
    // The name dialog's answer: the name typed, then OK (message boxes it raises: OK).
    static uikit::ModalAnswer::Action NameIt(std::wstring strName) {
        return [strName](CWindowWnd& wnd) {
            const HWND h = wnd.GetHWND();
            if (uikit::FindControl(h, L"edit_name") != nullptr) {
                uikit::TypeText(uikit::FindControl(h, L"edit_name"), strName);
            }
            uikit::Click(h, L"btn_ok");
        };
    }
    void AnswerFileDialog(std::wstring strPath) {
        SetFileDialogHandler([strPath](const FileDialogRequest&) { return strPath; });
    }

    std::vector<std::wstring> ListRows() {
        std::vector<std::wstring> rows;
        auto* pList = ControlOf<CListUI>(L"list_profile");
        for (int i = 0; pList != nullptr && i < pList->GetCount(); ++i) rows.push_back(pList->GetItemAt(i)->GetText().str());
        return rows;
    }
    int SelectedRow() { return ControlOf<CListUI>(L"list_profile")->GetCurSel(); }
    // What pro.data on disk holds: the names in order and the current index.
    std::pair<std::vector<std::wstring>, int> OnDisk() {
        Gen1Storage storage(Description(), m_data.Path() + L"\\", &testkit::Texts);
        ProfileList profiles;
        ProDataHeader header;
        storage.LoadProData(profiles, header);
        std::vector<std::wstring> names;
        for (const auto& p : profiles) names.emplace_back(p->szName);
        return {names, header.iCurProfile};
    }
    // Applies are counted from here.
    void Mark() { m_uMark = Page().AppliesRun(); }
    // Waits for the apply the operation since the mark asked for; the reports the mouse got.
    std::string AppliedIds() {
        EXPECT_TRUE(WaitForApplies(m_uMark + 1));
        return Ids(CableWrites());
    }
    void ClickRow(int iRow) {
        Mark();
        ASSERT_TRUE(uikit::Click(ControlOf<CListUI>(L"list_profile")->GetItemAt(iRow)));
    }
    std::wstring FilePath(const wchar_t* pszName) { return m_files.Path() + L"\\" + pszName; }

    ScratchFolder m_files{L"profile_files_" + ProgramName()};
    unsigned m_uMark = 0;
};

constexpr const char* kEverything = "0C 04 05 06 08";

TEST_P(Gen1Profiles, AddRenameSwitchResetAndDeleteKeepListPageMouseAndFileTogether) {
    Start(GetParam(), Link::Cable);
    const std::wstring strFirst = ListRows().at(0);

    // The first operation after start acts: a new profile with the factory settings is current,
    // selected, sent whole and saved.
    ChooseRate(1);
    TakeApplyRequests();
    EXPECT_EQ(Press(L"profile_add_btn", NameIt(L"Arena")), std::vector<std::wstring>{L"MS_" + std::to_wstring(Model()) + L"_ProfileName"});
    EXPECT_EQ(ListRows(), (std::vector<std::wstring>{strFirst, L"Arena"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 3) << "a new profile has the factory rate";
    EXPECT_TRUE(ControlOf<COptionUI>(L"btn_prate_4")->IsSelected());
    EXPECT_EQ(AppliedIds(), kEverything);
    EXPECT_EQ(OnDisk(), std::make_pair(std::vector<std::wstring>{strFirst, L"Arena"}, 1));

    // Rename: saved at once, nothing sent.
    ClearWrites();
    Press(L"profile_rename_btn", NameIt(L"Arena LAN"));
    EXPECT_EQ(ListRows().at(1), L"Arena LAN");
    EXPECT_EQ(TakeApplyRequests(), 0);
    EXPECT_EQ(OnDisk().first.at(1), L"Arena LAN");

    // Switching by clicking the first row shows its settings and sends it whole.
    ClearWrites();
    ClickRow(0);
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 0);
    EXPECT_TRUE(ControlOf<COptionUI>(L"btn_prate_1")->IsSelected());
    EXPECT_EQ(AppliedIds(), kEverything);
    EXPECT_EQ(OnDisk().second, 0);

    // Reset (after OK): the factory settings under the same name, sent whole.
    ClearWrites();
    EXPECT_EQ(Press(L"btn_reset", uikit::ModalAnswer::ClickControl(L"btn_ok")), std::vector<std::wstring>{L"MsgWnd"});
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 3);
    EXPECT_EQ(ListRows().at(0), strFirst);
    EXPECT_EQ(AppliedIds(), kEverything);

    // Deleting the last row selects the one before it; with one profile left, a message.
    ClickRow(1);
    AppliedIds();
    ClearWrites();
    Press(L"profile_delete_btn", uikit::ModalAnswer::ClickControl(L"btn_ok"));
    EXPECT_EQ(ListRows(), std::vector<std::wstring>{strFirst});
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(AppliedIds(), kEverything);
    EXPECT_EQ(OnDisk(), std::make_pair(std::vector<std::wstring>{strFirst}, 0));
    EXPECT_EQ(Press(L"profile_delete_btn", uikit::ModalAnswer::ClickControl(L"btn_ok")), std::vector<std::wstring>{L"MsgWnd"});
    EXPECT_EQ(ListRows(), std::vector<std::wstring>{strFirst});

    // Cancelled dialogs change nothing.
    Press(L"profile_add_btn", uikit::ModalAnswer::ClickControl(L"btn_cancel"));
    Press(L"profile_reset_btn", uikit::ModalAnswer::ClickControl(L"btn_cancel"));
    EXPECT_EQ(ListRows(), std::vector<std::wstring>{strFirst});
    EXPECT_EQ(TakeApplyRequests(), 0);
}

TEST_P(Gen1Profiles, DeletingTheFirstOfTwoSelectsTheOneThatMovedUp) {
    Start(GetParam(), Link::Cable);
    Press(L"profile_add_btn", NameIt(L"Second"));
    ClickRow(0);
    Press(L"profile_delete_btn", uikit::ModalAnswer::ClickControl(L"btn_ok"));
    EXPECT_EQ(ListRows(), std::vector<std::wstring>{L"Second"});
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(std::wstring(Page().CurrentProfileCopy().szName), L"Second");
}

TEST_P(Gen1Profiles, ExportAndImportTwiceAddsNumberedCopiesAndRefusedFilesChangeNothing) {
    Start(GetParam(), Link::Cable);
    const std::wstring strFirst = ListRows().at(0);
    ChooseRate(2);
    TakeApplyRequests();
    AnswerFileDialog(FilePath(L"mine.pro"));
    Press(L"profile_export_btn", {});
    const std::vector<uint8_t> exported = ReadBytes(FilePath(L"mine.pro"));
    EXPECT_EQ(exported.size(), static_cast<size_t>(ProfileRecordSize(Description().Info().eLayout)));

    for (const wchar_t* pszCopy : {L"_1", L"_2"}) {
        ClearWrites();
        Press(L"profile_import_btn", {});
        EXPECT_EQ(ListRows().back(), strFirst + pszCopy);
        EXPECT_EQ(SelectedRow(), static_cast<int>(ListRows().size()) - 1);
        EXPECT_EQ(Page().CurrentProfileCopy().iRate, 1) << "the file's settings";
        EXPECT_EQ(AppliedIds(), kEverything);
    }
    EXPECT_EQ(OnDisk().first.size(), 3u);

    // A longer file is read in its first record.
    std::vector<uint8_t> longer = exported;
    longer.resize(exported.size() + 100, 0xEE);
    WriteBytes(FilePath(L"long.pro"), longer);
    AnswerFileDialog(FilePath(L"long.pro"));
    Press(L"profile_import_btn", {});
    EXPECT_EQ(ListRows().size(), 4u);

    // A file shorter than one record is refused with a message; nothing changes.
    WriteBytes(FilePath(L"short.pro"), std::vector<uint8_t>(exported.begin(), exported.begin() + 100));
    AnswerFileDialog(FilePath(L"short.pro"));
    ClearWrites();
    std::wstring strMessage;
    Press(L"profile_import_btn", [&](CWindowWnd& wnd) {
        if (CControlUI* pText = uikit::FindControl(wnd.GetHWND(), L"warning")) strMessage = pText->GetText().str();
        uikit::Click(wnd.GetHWND(), L"btn_ok");
    });
    EXPECT_EQ(strMessage, CResourceManager::GetInstance()->GetText(L"import_short_text").str());
    EXPECT_EQ(ListRows().size(), 4u);
    EXPECT_EQ(TakeApplyRequests(), 0);
    EXPECT_EQ(OnDisk().first.size(), 4u);
}

// The move mode belongs to the profile (stored in it, kept by a reset): a switch shows the state
// of the profile switched to, never the one the check last had.
TEST_P(Gen1Profiles, TheMoveModeCheckShowsTheCurrentProfilesOwnState) {
    Start(GetParam(), Link::Cable);
    Press(L"profile_add_btn", NameIt(L"Moving"));
    AppliedIds();
    auto* pCheck = ControlOf<CCheckBoxUI>(L"check_movemode");
    ASSERT_NE(pCheck, nullptr);
    ClickOn(L"check_movemode");
    ASSERT_EQ(Page().CurrentProfileCopy().iMoveMode, 1);
    for (const int iRow : {0, 1}) {
        SCOPED_TRACE("row " + std::to_string(iRow));
        ClickRow(iRow);
        AppliedIds();
        EXPECT_EQ(Page().CurrentProfileCopy().iMoveMode, iRow);
        EXPECT_EQ(pCheck->GetCheck(), iRow == 1);
    }
    Restart();
    EXPECT_TRUE(ControlOf<CCheckBoxUI>(L"check_movemode")->GetCheck()) << "the current profile has it on";
}

TEST_P(Gen1Profiles, ARestartShowsAndKeepsWhatWasLeft) {
    Start(GetParam(), Link::Cable);
    Press(L"profile_add_btn", NameIt(L"Kept"));
    ChooseRate(2);
    TypeDpi(3, L"1600");
    ClickOn(L"option_dpi_step_4");
    // MS_6 has no lights.
    const bool bLights = !Description().bNoLightSection;
    if (bLights) ChooseLightMode(2);
    const ProfileRecord before = Page().CurrentProfileCopy();

    // The mouse never took these (no apply ran): the page saves them when it ends.
    Restart();
    const ProfileRecord after = Page().CurrentProfileCopy();
    EXPECT_EQ(std::wstring(after.szName), L"Kept");
    EXPECT_EQ(after.iRate, 1);
    EXPECT_EQ(after.iCurDpi, 3);
    EXPECT_EQ(after.iDpi[2], before.iDpi[2]);
    EXPECT_EQ(after.iLightMode, bLights ? 2 : Description().defaults.iLightMode);
    EXPECT_EQ(ListRows(), (std::vector<std::wstring>{ListRows().at(0), L"Kept"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(ControlOf<COptionUI>(L"btn_prate_2")->IsSelected());
    EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_4")->IsSelected());
    EXPECT_EQ(TextOf(L"edit_dpi_3"), L"1600");
    if (bLights) {
        EXPECT_EQ(ControlOf<CComboUI>(L"combo_light")->GetCurSel(), 2);
        EXPECT_TRUE(LightRowVisible(L"breathspeed"));
    }
    EXPECT_EQ(OnDisk().second, 1);
}

// A second-generation export, and this model's own export with its sleep timer past the slider,
// both carrying a macro: refused with their messages, and the list, the mouse, pro.data and
// macro.data stay as they were.
TEST_P(Gen1Profiles, AnotherGenerationsExportAndADamagedRecordAreRefusedWithTheirMessages) {
    Start(GetParam(), Link::Cable);
    const std::wstring strData = m_data.Path() + L"\\";
    ASSERT_TRUE(testkit::ExportCarrier(Gen2Storage(*FindGen2Model(11), strData, nullptr), FilePath(L"other.pro")));
    const Gen1Storage own(Description(), strData, nullptr);
    ASSERT_TRUE(testkit::ExportCarrier(own, FilePath(L"damaged.pro"),
                                       [&](ProfileRecord& p) { p.iSleep = Description().sliders.iSleepMax + 1; }));

    Press(L"profile_add_btn", NameIt(L"Second"));  // a save on disk to compare with
    ASSERT_TRUE(WaitForApplies(m_uMark + 1));
    const std::vector<uint8_t> proData = ReadBytes(ProDataPath());
    const std::vector<uint8_t> macroData = ReadBytes(own.MacroDataPath());
    ASSERT_FALSE(proData.empty());
    const struct {
        const wchar_t* pszFile;
        const wchar_t* pszMessage;
    } rows[] = {{L"other.pro", L"import_foreign_text"}, {L"damaged.pro", L"import_damaged_text"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(WideToAnsi(row.pszFile));
        AnswerFileDialog(FilePath(row.pszFile));
        TakeApplyRequests();
        std::vector<std::wstring> messages;
        Press(L"profile_import_btn", [&](CWindowWnd& wnd) {
            if (CControlUI* pText = uikit::FindControl(wnd.GetHWND(), L"warning")) messages.push_back(pText->GetText().str());
            uikit::Click(wnd.GetHWND(), L"btn_ok");
        });
        EXPECT_EQ(messages, std::vector<std::wstring>{CResourceManager::GetInstance()->GetText(row.pszMessage).str()});
        EXPECT_EQ(uikit::TextsMissing({row.pszMessage}), std::vector<std::string>{});
        EXPECT_EQ(ListRows().size(), 2u);
        EXPECT_EQ(SelectedRow(), 1);
        EXPECT_EQ(TakeApplyRequests(), 0);
        EXPECT_EQ(ReadBytes(ProDataPath()), proData);
        EXPECT_EQ(ReadBytes(own.MacroDataPath()), macroData);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1Profiles, ::testing::ValuesIn(kGen1Models));

}  // namespace
}  // namespace gen1test
