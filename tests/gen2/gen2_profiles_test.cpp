// Profiles on the second-generation page as a person manages them: the first choice after the
// start, add, delete, rename, reset, export and import (with the macros an imported profile
// carries), refusals with a message, a delete during an apply, and a restart that keeps it all.
// What the mouse got and what the files on disk hold are checked after each.
#include "tests/gen2/gen2_settings_fixture.h"

#include "core/dialogs/file_dialog.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_storage.h"
#include "models/data/name_helpers.h"
#include "models/data/record_sizes.h"
#include "tests/kit/storage_kit.h"

#include <algorithm>
#include <cstring>

namespace gen2test {
namespace {

using namespace DuiLib;

// The profile-name dialog: types the name and confirms.
uikit::ModalAnswer::Action TypeName(std::wstring strName) {
    return [strName](CWindowWnd& dlg) {
        ASSERT_TRUE(uikit::TypeText(uikit::FindControl(dlg.GetHWND(), L"edit_name"), strName));
        uikit::Click(dlg.GetHWND(), L"btn_ok");
    };
}

// The file dialogs answer with one path while it lives.
class FileAnswer {
public:
    explicit FileAnswer(std::wstring strPath)
        : m_previous(SetFileDialogHandler([this, strPath](const FileDialogRequest& request) {
              m_requests.push_back(request);
              return strPath;
          })) {}
    ~FileAnswer() { SetFileDialogHandler(m_previous); }
    std::vector<FileDialogRequest> m_requests;

private:
    FileDialogHandler m_previous;
};

class Gen2Profiles : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        Start(GetParam());
        ApplyOn(Page(), Hwnd());
        ClearWrites();
    }
    ProfileRecordEx Current() { return Page().CurrentProfileCopy(); }
    CListUI* List() { return ControlOf<CListUI>(L"list_profile"); }
    std::wstring RowText(int i) { return List()->GetItemAt(i)->GetText().str(); }
    void AddProfile(const std::wstring& strName) {
        uikit::ModalAnswer answer(TypeName(strName));
        const unsigned uBefore = Applies();
        ClickOn(L"profile_add_btn");
        ASSERT_EQ(answer.GetCount(), 1);
        ASSERT_TRUE(WaitForApplies(uBefore + 1));
    }
    void ClickRow(int i) {
        ASSERT_TRUE(uikit::Click(List()->GetItemAt(i)));
        uikit::PumpUntilIdle(200);
    }
    // The names of the profiles pro.data holds on disk, in order, and its current index.
    std::vector<std::wstring> NamesOnDisk(int* piCurrent = nullptr) {
        const std::vector<uint8_t> bytes = testkit::ReadBytes(ProDataPath());
        const size_t uHeader = static_cast<size_t>(ProDataHeaderSize(RecordLayout::Gen2));
        const size_t uRecord = static_cast<size_t>(ProfileRecordSize(RecordLayout::Gen2));
        std::vector<std::wstring> names;
        if (bytes.size() < uHeader) return names;
        if (piCurrent != nullptr) std::memcpy(piCurrent, bytes.data(), sizeof(int));
        for (size_t at = uHeader; at + uRecord <= bytes.size(); at += uRecord) {
            wchar_t szName[kProfileNameChars];
            std::memcpy(szName, bytes.data() + at, sizeof szName);
            names.emplace_back(NameOf(szName));
        }
        return names;
    }
};

TEST_P(Gen2Profiles, AddedProfileBecomesCurrentAndGoesOutWhole) {
    const std::wstring strFirst = Page().ProfileNames().at(0);
    AddProfile(L"Game");
    EXPECT_EQ(Page().ProfileNames(), (std::vector<std::wstring>{strFirst, L"Game"}));
    EXPECT_EQ(Page().CurrentProfileIndex(), 1);
    EXPECT_EQ(std::wstring(NameOf(Current().szName)), L"Game");
    EXPECT_EQ(List()->GetCount(), 2);
    EXPECT_EQ(List()->GetCurSel(), 1);
    EXPECT_EQ(RowText(1), L"Game");
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08") << "a new profile is sent whole";
    int iCurrent = -1;
    EXPECT_EQ(NamesOnDisk(&iCurrent), (std::vector<std::wstring>{strFirst, L"Game"}));
    EXPECT_EQ(iCurrent, 1);

    // The first click on the list after a restart switches too.
    Restart();
    EXPECT_EQ(List()->GetCurSel(), 1);
    const unsigned uBefore = Applies();
    ClickRow(0);
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_EQ(Page().CurrentProfileIndex(), 0);
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
    NamesOnDisk(&iCurrent);
    EXPECT_EQ(iCurrent, 0);
}

TEST_P(Gen2Profiles, DeletingTheSecondThenTheFirstProfile) {
    const std::wstring strFirst = Page().ProfileNames().at(0);
    AddProfile(L"Second");
    {
        uikit::ModalAnswer confirm(uikit::ModalAnswer::ClickControl(L"btn_ok"));
        ClearWrites();
        const unsigned uBefore = Applies();
        ClickOn(L"profile_delete_btn");
        EXPECT_EQ(confirm.GetCount(), 1);
        EXPECT_TRUE(WaitForApplies(uBefore + 1));
    }
    EXPECT_EQ(Page().ProfileNames(), std::vector<std::wstring>{strFirst});
    EXPECT_EQ(Page().CurrentProfileIndex(), 0);
    EXPECT_EQ(List()->GetCount(), 1);
    EXPECT_EQ(List()->GetCurSel(), 0);
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
    EXPECT_EQ(NamesOnDisk(), std::vector<std::wstring>{strFirst});

    AddProfile(L"Third");
    unsigned uBefore = Applies();
    ClickRow(0);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    ASSERT_EQ(Page().CurrentProfileIndex(), 0);
    uikit::ModalAnswer confirm(uikit::ModalAnswer::ClickControl(L"btn_ok"));
    uBefore = Applies();
    ClickOn(L"profile_delete_btn");
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_EQ(Page().ProfileNames(), std::vector<std::wstring>{L"Third"});
    EXPECT_EQ(std::wstring(NameOf(Current().szName)), L"Third");
    EXPECT_EQ(RowText(0), L"Third");
    EXPECT_EQ(NamesOnDisk(), std::vector<std::wstring>{L"Third"});
}

TEST_P(Gen2Profiles, TheLastProfileIsNotDeletedAndCancelKeepsAll) {
    std::vector<std::wstring> messages;
    {
        uikit::ModalAnswer notice([&](CWindowWnd& dlg) {
            messages.push_back(uikit::FindControl(dlg.GetHWND(), L"warning")->GetText().str());
            uikit::Click(dlg.GetHWND(), L"btn_ok");
        });
        ClickOn(L"profile_delete_btn");
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Page().ProfileNames().size(), 1u);
    AddProfile(L"Kept");
    uikit::ModalAnswer cancel(uikit::ModalAnswer::ClickControl(L"btn_cancel"));
    const unsigned uBefore = Applies();
    ClickOn(L"profile_delete_btn");
    EXPECT_EQ(cancel.GetCount(), 1);
    EXPECT_TRUE(NoApplyFor(200));
    EXPECT_EQ(Page().ProfileNames().size(), 2u);
    EXPECT_EQ(Applies(), uBefore);
}

TEST_P(Gen2Profiles, RenameSavesAtOnceAndSendsNothing) {
    {
        uikit::ModalAnswer answer(TypeName(L"Renamed"));
        ClickOn(L"profile_rename_btn");
        ASSERT_EQ(answer.GetCount(), 1);
    }
    EXPECT_EQ(RowText(0), L"Renamed");
    EXPECT_EQ(NamesOnDisk(), std::vector<std::wstring>{L"Renamed"});
    EXPECT_TRUE(NoApplyFor(300));
    EXPECT_EQ(Ids(CableWrites()), "");

    // A name longer than a profile holds is cut to 99 characters.
    const std::wstring strLong(120, L'x');
    uikit::ModalAnswer answer(TypeName(strLong));
    ClickOn(L"profile_rename_btn");
    EXPECT_EQ(NamesOnDisk().at(0), std::wstring(99, L'x'));
}

TEST_P(Gen2Profiles, ResetKeepsTheNameAndMoveModeAndSendsEverything) {
    Page().Edit([](ProfileRecordEx& p) {
        CopyName(p.szName, L"Mine");
        p.iMoveMode = 1;
        p.iDpi[0] = 99;
        p.iRate = 0;
        p.stKeys[0].byFunction = 7;
    });
    Page().RefreshControls();
    uikit::ModalAnswer confirm(uikit::ModalAnswer::ClickControl(L"btn_ok"));
    for (const wchar_t* pszButton : {L"profile_reset_btn", L"btn_reset"}) {
        ClearWrites();
        const unsigned uBefore = Applies();
        ClickOn(pszButton);
        EXPECT_TRUE(WaitForApplies(uBefore + 1));
        const ProfileRecordEx p = Current();
        EXPECT_EQ(std::wstring(NameOf(p.szName)), L"Mine");
        EXPECT_EQ(p.iMoveMode, 1);
        EXPECT_EQ(p.iDpi[0], Description().defaults.iDpi[0]);
        EXPECT_EQ(p.iRate, Description().defaults.iRate);
        EXPECT_EQ(p.stKeys[0].byFunction, Description().defaults.byFunction[0]);
        EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
        EXPECT_EQ(TextOf(L"edit_dpi_1"), L"400");
    }
    EXPECT_EQ(confirm.GetCount(), 2);
}

TEST_P(Gen2Profiles, ExportThenImportTwiceDuplicatesTheProfileAndItsMacros) {
    Page().Edit([](ProfileRecordEx& p) {
        CopyName(p.szName, L"Game");
        KeyEntryEx& key = p.stKeys[3];
        key.byFunction = kFunctionMacro;
        CopyName(key.szMacroName, L"Burst");
        key.iLoopCount = 2;
        key.wActionNum = 2;
        key.stActions[0] = {0, 0x04, kActionPress, 0, 30, 0, 0, 0};
        key.stActions[1] = {0, 0x04, kActionRelease, 0, 40, 0, 0, 0};
        p.iDpi[2] = 77;
    });
    const std::wstring strFile = m_data / L"game.pro";
    {
        FileAnswer answer(strFile);
        ClickOn(L"profile_export_btn");
        ASSERT_EQ(answer.m_requests.size(), 1u);
        EXPECT_TRUE(answer.m_requests[0].bSave);
        EXPECT_EQ(answer.m_requests[0].strPattern, L"*.pro;*.PRO");
        EXPECT_EQ(answer.m_requests[0].strDefaultExtension, L"pro");
    }
    EXPECT_EQ(testkit::ReadBytes(strFile).size(), static_cast<size_t>(ProfileRecordSize(RecordLayout::Gen2)));
    const size_t uMacrosBefore = Page().MacroCount();

    FileAnswer answer(strFile);
    for (int iCopy = 1; iCopy <= 2; ++iCopy) {
        ClearWrites();
        const unsigned uBefore = Applies();
        ClickOn(L"profile_import_btn");
        EXPECT_TRUE(WaitForApplies(uBefore + 1));
        const std::wstring strName = L"Game_" + std::to_wstring(iCopy);
        EXPECT_EQ(Page().ProfileNames().back(), strName);
        EXPECT_EQ(RowText(List()->GetCount() - 1), strName);
        EXPECT_EQ(List()->GetCurSel(), List()->GetCount() - 1);
        const ProfileRecordEx p = Current();
        EXPECT_EQ(std::wstring(NameOf(p.szName)), strName);
        EXPECT_EQ(p.iDpi[2], 77);
        EXPECT_EQ(Page().MacroCount(), uMacrosBefore + iCopy) << "each import brings its own macro";
        const std::wstring strMacro = iCopy == 1 ? L"Burst" : L"Burst_1";
        EXPECT_EQ(Page().MacroNames().back(), strMacro);
        EXPECT_EQ(std::wstring(NameOf(p.stKeys[3].szMacroName)), strMacro);
        EXPECT_EQ(p.stKeys[3].iMacroIndex, static_cast<int>(Page().MacroCount()) - 1);
        EXPECT_EQ(Ids(CableWrites()).rfind("0C 04 05 06 08", 0), 0u) << Ids(CableWrites());
    }
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::wstring>{L"Game", L"Game_1", L"Game_2"}));
    EXPECT_EQ(testkit::ReadBytes(MacroDataPath()).size(), (uMacrosBefore + 2) * sizeof(MacroRecordEx));
}

TEST_P(Gen2Profiles, ImportFilesOfTheWrongSize) {
    const size_t uRecord = static_cast<size_t>(ProfileRecordSize(RecordLayout::Gen2));
    std::vector<uint8_t> record(uRecord + 64, 0);
    ProfileRecordEx source = Current();
    CopyName(source.szName, L"Long");
    source.iDpi[0] = 33;
    std::memcpy(record.data(), &source, uRecord);  // the file layout of the second generation is the record
    const std::wstring strLong = m_data / L"long.pro";
    const std::wstring strShort = m_data / L"short.pro";
    ASSERT_TRUE(testkit::WriteBytes(strLong, record));
    ASSERT_TRUE(testkit::WriteBytes(strShort, std::vector<uint8_t>(record.begin(), record.begin() + 100)));

    struct Refusal {
        std::wstring strPath;
        const wchar_t* pszMessage;
    } const refusals[] = {{strShort, L"import_short_text"}, {m_data / L"missing.pro", L"import_unreadable_text"}};
    for (const Refusal& r : refusals) {
        std::vector<std::wstring> messages;
        uikit::ModalAnswer notice([&](CWindowWnd& dlg) {
            messages.push_back(uikit::FindControl(dlg.GetHWND(), L"warning")->GetText().str());
            uikit::Click(dlg.GetHWND(), L"btn_ok");
        });
        FileAnswer answer(r.strPath);
        const unsigned uBefore = Applies();
        ClickOn(L"profile_import_btn");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], CResourceManager::GetInstance()->GetText(r.pszMessage).str());
        EXPECT_TRUE(NoApplyFor(200));
        EXPECT_EQ(Applies(), uBefore);
        EXPECT_EQ(Page().ProfileNames().size(), 1u);
    }

    FileAnswer answer(strLong);
    const unsigned uBefore = Applies();
    ClickOn(L"profile_import_btn");
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_EQ(Page().ProfileNames().back(), L"Long");
    EXPECT_EQ(Current().iDpi[0], 33);
}

// Files this page must not read: a sensor model's 101,544-byte export (read here it would be four
// bytes out of step from its light mode on: button 1 on function 0x80, the others off), a
// first-generation export, this model's own export with its breathing speed past the slider, and
// a record of random bytes. Each is refused with its message; the list, the mouse, pro.data and
// macro.data stay as they were.
TEST_P(Gen2Profiles, AnotherLayoutsExportAndDamagedRecordsAreRefusedWithTheirMessages) {
    const std::wstring strData = m_data.Path() + L"\\";
    ASSERT_TRUE(testkit::ExportCarrier(Gen2Storage(*FindGen2Model(15), strData, nullptr), m_data / L"sensor.pro"));
    ASSERT_EQ(testkit::ReadBytes(m_data / L"sensor.pro").size(), 101544u);
    ASSERT_TRUE(testkit::ExportCarrier(Gen1Storage(*FindGen1Model(10), strData, nullptr), m_data / L"first.pro"));
    const Gen2Storage own(Description(), strData, nullptr);
    ASSERT_TRUE(testkit::ExportCarrier(own, m_data / L"damaged.pro",
                                       [&](ProfileRecordEx& p) { p.iBreathSpeed = Description().sliders.iBreathSpeedMax + 1; }));
    std::vector<uint8_t> noise(static_cast<size_t>(own.RecordSize()));
    uint32_t uSeed = 12345;
    for (uint8_t& by : noise) by = static_cast<uint8_t>((uSeed = uSeed * 1103515245u + 12345u) >> 16);
    ASSERT_TRUE(testkit::WriteBytes(m_data / L"noise.pro", noise));

    const std::vector<uint8_t> proData = testkit::ReadBytes(ProDataPath());
    const std::vector<uint8_t> macroData = testkit::ReadBytes(MacroDataPath());
    ASSERT_FALSE(proData.empty());
    const struct {
        const wchar_t* pszFile;
        const wchar_t* pszMessage;
    } rows[] = {{L"sensor.pro", L"import_foreign_text"},
                {L"first.pro", L"import_foreign_text"},
                {L"damaged.pro", L"import_damaged_text"},
                {L"noise.pro", L"import_damaged_text"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.pszFile)));
        std::vector<std::wstring> messages;
        uikit::ModalAnswer notice([&](CWindowWnd& dlg) {
            messages.push_back(uikit::FindControl(dlg.GetHWND(), L"warning")->GetText().str());
            uikit::Click(dlg.GetHWND(), L"btn_ok");
        });
        FileAnswer answer(m_data / row.pszFile);
        const unsigned uBefore = Applies();
        ClickOn(L"profile_import_btn");
        uikit::PumpUntilIdle(200);
        EXPECT_EQ(messages, std::vector<std::wstring>{CResourceManager::GetInstance()->GetText(row.pszMessage).str()});
        EXPECT_EQ(uikit::TextsMissing({row.pszMessage}), std::vector<std::string>{});
        EXPECT_EQ(Applies(), uBefore);
        EXPECT_EQ(Page().ProfileNames().size(), 1u);
        EXPECT_EQ(List()->GetCount(), 1);
        EXPECT_EQ(Page().MacroCount(), 0u);
        EXPECT_EQ(testkit::ReadBytes(ProDataPath()), proData);
        EXPECT_EQ(testkit::ReadBytes(MacroDataPath()), macroData);
    }
}

TEST_P(Gen2Profiles, ADeleteDuringAnApplyNeitherSendsNorSavesTheDeletedProfile) {
    AddProfile(L"Doomed");
    Page().Edit([](ProfileRecordEx& p) { p.iDpi[0] = 123; });
    unsigned uBefore = Applies();
    ClickRow(0);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    // The pauses slowed down, so that the delete lands while the mouse still takes the doomed
    // profile, sent whole after the switch back to it.
    Timing().uFramePauseMs = 150;
    ClearWrites();
    uBefore = Applies();
    ClickRow(1);
    ASSERT_TRUE(Poll([&] { return !CableWrites().empty(); }, 5000));
    uikit::ModalAnswer confirm(uikit::ModalAnswer::ClickControl(L"btn_ok"));
    ClickOn(L"profile_delete_btn");
    ASSERT_EQ(confirm.GetCount(), 1);
    EXPECT_LT(Applies(), uBefore + 1) << "the delete came during the apply";
    ASSERT_TRUE(WaitForApplies(uBefore + 2, 30000));
    EXPECT_TRUE(NoApplyFor(300));
    EXPECT_EQ(Page().ProfileNames().size(), 1u);
    EXPECT_EQ(NamesOnDisk().size(), 1u);
    EXPECT_NE(NamesOnDisk().at(0), L"Doomed");
    // The last DPI frame the mouse got is the remaining profile's.
    const std::vector<kit::Bytes> sent = CableWrites();
    const ProfileRecordEx p = Current();
    const FrameBytes expected = BuildDpiReport(Description(), p);
    auto last = std::find_if(sent.rbegin(), sent.rend(), [](const kit::Bytes& b) { return !b.empty() && b[0] == 0x04; });
    ASSERT_NE(last, sent.rend());
    EXPECT_EQ(*last, kit::Bytes(expected.begin(), expected.end()));
    EXPECT_NE(p.iDpi[0], 123);
}

TEST_P(Gen2Profiles, ARestartKeepsEverything) {
    AddProfile(L"Tuned");
    Control(L"ver_prate")->SetVisible(true);
    unsigned uBefore = Applies();
    ClickOn(L"btn_prate_2");
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    TypeInto(L"edit_dpi_1", L"1850", true);
    uBefore = Applies();
    ChooseLightMode(3);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    uBefore = Applies();
    ClickOn(L"check_movemode");
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    const ProfileRecordEx before = Current();

    Restart();
    const ProfileRecordEx after = Current();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "the profile as it was";
    EXPECT_EQ(Page().CurrentProfileIndex(), 1);
    EXPECT_EQ(RowText(1), L"Tuned");
    EXPECT_EQ(List()->GetCurSel(), 1);
    EXPECT_EQ(after.iDpi[0], 37);
    EXPECT_EQ(TextOf(L"edit_dpi_1"), L"1850");
    EXPECT_TRUE(ControlOf<COptionUI>(L"btn_prate_2")->IsSelected());
    EXPECT_EQ(ControlOf<CComboUI>(L"combo_light")->GetCurSel(), 3);
    EXPECT_TRUE(ControlOf<CCheckBoxUI>(L"check_movemode")->GetCheck());
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2Profiles, ::testing::Values(11, 12, 14));

}  // namespace
}  // namespace gen2test
