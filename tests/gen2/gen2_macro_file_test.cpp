// Exporting and importing single macros in the second generation's editor through the file
// dialogs' door: the 3,096-byte export, the round trip into another model, names cut and made
// unique, and files refused with a message while nothing changes (files checked on disk).
#include "tests/gen2/gen2_dialog_fixture.h"

#include "core/util/folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace DuiLib;
using namespace gen2dlg;
using gen2test::BytesOf;
using gen2test::Key;
using gen2test::Macro;
using gen2test::Move;
using gen2test::ReadBytes;
using gen2test::WriteBytes;

namespace {

class Gen2MacroFileTest : public Gen2DialogTest {
protected:
    // Runs the editor: the import button clicked once, then closed.
    void ImportOnce() {
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_import_btn"));
            Close(h);
        });
    }
};

TEST_F(Gen2MacroFileTest, ExportIsTheRecordAndImportIntoAnotherModelGivesTheSameActions) {
    m_macros.push_back(Macro(L"Combo", {Key(0x04, 1, 100), Move(-999, 999, 2000), Key(kMouseBackButton, 1, 1),
                                        Key(kMouseBackButton, 2, 20), Key(0x04, 2, 1)}));
    const std::wstring strExported = Path(L"combo.macro");
    AnswerFileDialog(strExported);
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_export_btn"));  // nothing chosen: nothing asked
        EXPECT_TRUE(m_fileRequests.empty());
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_export_btn"));
        Close(h);
    });
    ASSERT_EQ(m_fileRequests.size(), 1u);
    EXPECT_TRUE(m_fileRequests[0].bSave);
    EXPECT_EQ(m_fileRequests[0].strFilterName, L"Macro File");
    EXPECT_EQ(m_fileRequests[0].strPattern, L"*.macro;*.MACRO");
    EXPECT_EQ(m_fileRequests[0].strDefaultExtension, L"macro");
    EXPECT_EQ(m_fileRequests[0].strInitialFolder, GetDataFolder());
    const std::vector<uint8_t> exported = ReadBytes(strExported);
    EXPECT_EQ(exported.size(), 3096u);
    EXPECT_EQ(exported, BytesOf(*m_macros[0]));

    // Into MS_12's editor, whose list already holds a macro of that name.
    gen2test::ModelFiles other(12, L"dialogs_import");
    MacroListEx macros12;
    macros12.push_back(Macro(L"COMBO", {}));
    AnswerFileDialog(strExported);
    std::vector<std::wstring> rows;
    RunEditorOver<CMS_12_Macro>(macros12, other.storage, [&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_12_macro_import_btn"));
        EXPECT_EQ(MacroRows(h, L"ms_12_"), (std::vector<std::wstring>{L"COMBO", L"Combo_1"}));
        EXPECT_EQ(SelectedRow(h, L"ms_12_macro_list"), 1) << "the imported macro is chosen";
        rows = ActionRows(h, L"ms_12_");
        Close(h);
    });
    ASSERT_EQ(macros12.size(), 2u);
    EXPECT_EQ(ActionsOf(*macros12[1]), ActionsOf(*m_macros[0]));
    EXPECT_EQ(rows[1], L"Mouse move|X: -999 Y: 999|2000");
    std::vector<uint8_t> expected = BytesOf(*macros12[0]);
    const std::vector<uint8_t> second = BytesOf(*macros12[1]);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(ReadBytes(other.MacroData()), expected);
}

TEST_F(Gen2MacroFileTest, AnImportedNameIsCutBeforeItIsMadeUniqueAndALongerFileIsReadAsItsFirstRecord) {
    m_macros.push_back(Macro(L"ABCDEFGHIJKLMNOPQRSTUVW", {}));
    m_macros.push_back(Macro(L"ABCDEFGHIJKLMNOPQRSTU_1", {}));
    // A name filling the record, and more bytes than a record.
    std::vector<uint8_t> bytes = BytesOf(*Macro(L"ABCDEFGHIJKLMNOPQRSTUVW", {Key(0x2C, 1, 10), Move(4, -4, 10)}));
    bytes.resize(5000, 0xEE);
    ASSERT_TRUE(WriteBytes(Path(L"long.macro"), bytes));
    AnswerFileDialog(Path(L"long.macro"));
    ImportOnce();
    ASSERT_EQ(m_macros.size(), 3u);
    EXPECT_EQ(std::wstring(NameOf(m_macros[2]->szName)), L"ABCDEFGHIJKLMNOPQRSTU_2");
    EXPECT_EQ(ActionsOf(*m_macros[2]), (std::vector<std::string>{Action(0x2C, 1, 10), MoveAction(4, -4, 10)}));
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(Gen2MacroFileTest, FilesThatAreNoMacroOrTooLongAreRefusedWithAMessage) {
    m_macros.push_back(Macro(L"Kept", {Key(0x04, 1, 10)}));
    const std::vector<uint8_t> before = MacroFileOf();
    m_files.PutMacroData(before);
    auto pFive = Macro(L"Five blocks", {});
    const std::vector<MacroActionEx> five = gen2test::FiveBlockActions();
    std::copy(five.begin(), five.end(), pFive->stActions);
    pFive->iActionNum = static_cast<int>(five.size());
    auto pEvents = KeyMacro(L"192 events", 190, 200);
    // A first-generation export: one of its 240-byte records.
    std::vector<uint8_t> firstGeneration(sizeof(MacroRecord), 0);
    const std::wstring strOther = L"Other";
    std::memcpy(firstGeneration.data(), strOther.c_str(), strOther.size() * sizeof(wchar_t));
    std::vector<uint8_t> unterminated = BytesOf(*Macro(L"", {Key(0x04, 1, 10)}));
    std::fill_n(unterminated.begin(), sizeof(MacroRecordEx::szName), uint8_t{0x41});
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const wchar_t* pszMessage;
    } cases[] = {
        {"one byte short of a record", std::vector<uint8_t>(3095, 0), L"macro_import_short_text"},
        {"empty", {}, L"macro_import_short_text"},
        {"five blocks", BytesOf(*pFive), L"macro_import_long_text"},
        {"more than 191 events", BytesOf(*pEvents), L"macro_import_long_text"},
        {"a first-generation macro", firstGeneration, L"macro_import_foreign_text"},
        {"a name without its terminator", unterminated, L"macro_import_damaged_text"},
        {"a move beyond the editor's range", BytesOf(*Macro(L"Far", {Move(1000, 0, 10)})), L"macro_import_damaged_text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_boxes.clear();
        ASSERT_TRUE(WriteBytes(Path(L"bad.macro"), c.bytes));
        AnswerFileDialog(Path(L"bad.macro"));
        ImportOnce();
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{c.pszMessage}));
        EXPECT_EQ(m_macros.size(), 1u);
        EXPECT_EQ(DiskFile(), before);
    }
}

}  // namespace
