// Exporting and importing single macros in MS_10's editor, through the file dialogs' door:
// round trips, names made unique, and files refused with a message while nothing changes
// (the files checked on disk).
#include "models/data/gen2_records.h"
#include "tests/gen1/macro_dialog_fixture.h"

#include "core/util/folders.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace DuiLib;
using namespace macrotest;
using gen1test::BytesOf;
using gen1test::Macro;
using gen1test::ReadBytes;
using gen1test::WriteBytes;

namespace {

class MacroFileTest : public MacroDialogTest {
protected:
    std::wstring Path(const std::wstring& strName) const { return m_files.scratch / strName; }
    std::vector<uint8_t> DiskFile() const { return ReadBytes(m_files.MacroData()); }
    // Runs the editor: the import button clicked once, then closed.
    void ImportOnce() {
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_import_btn"));
            uikit::Click(h, L"btn_exit");
        });
    }
};

TEST_F(MacroFileTest, ExportWritesTheStoredRecordAndImportBringsItBackUnderAFreeName) {
    m_macros.push_back(Macro(L"Combo", {{0x04, 1, 100}, {kMouseBackButton, 1, 1500}, {kMouseBackButton, 2, 20}, {0x04, 2, 10}}));
    m_macros[0]->iLoopCount = 0;
    const std::wstring strExported = Path(L"combo.macro");
    AnswerFileDialog(strExported);
    AnswerFileDialog(strExported);
    std::vector<std::wstring> rowsAfterImport;
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_export_btn"));  // nothing chosen: nothing asked
        EXPECT_TRUE(m_fileRequests.empty());
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_export_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_import_btn"));
        EXPECT_EQ(MacroRows(h), (std::vector<std::wstring>{L"Combo", L"Combo_1"}));
        EXPECT_EQ(SelectedRow(h, kMacroList), 1) << "the imported macro is chosen";
        rowsAfterImport = ActionRows(h);
        uikit::Click(h, L"btn_exit");
    });
    ASSERT_EQ(m_fileRequests.size(), 2u);
    const FileDialogRequest& save = m_fileRequests[0];
    EXPECT_TRUE(save.bSave);
    EXPECT_EQ(save.strFilterName, L"Macro File");
    EXPECT_EQ(save.strPattern, L"*.macro;*.MACRO");
    EXPECT_EQ(save.strDefaultExtension, L"macro");
    EXPECT_EQ(save.strInitialFolder, GetDataFolder());
    EXPECT_FALSE(m_fileRequests[1].bSave);
    EXPECT_EQ(m_fileRequests[1].strPattern, L"*.macro;*.MACRO");

    EXPECT_EQ(ReadBytes(strExported), BytesOf(*m_macros[0])) << "exactly the 240 bytes of the record";
    ASSERT_EQ(m_macros.size(), 2u);
    EXPECT_EQ(ActionsOf(*m_macros[1]), ActionsOf(*m_macros[0]));
    EXPECT_EQ(rowsAfterImport.size(), 4u);
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(MacroFileTest, AnImportedNameIsCutToTheRecordBeforeItIsMadeUnique) {
    m_macros.push_back(Macro(L"ABCDEFGHIJKLMNOPQRSTUVW", {}));  // 23 characters, the most a record holds
    m_macros.push_back(Macro(L"ABCDEFGHIJKLMNOPQRSTU_1", {}));
    // A file whose name fills the record, and more bytes than a record.
    std::vector<uint8_t> bytes = BytesOf(*Macro(L"ABCDEFGHIJKLMNOPQRSTUVW", {{0x2C, 1, 10}, {0x2C, 2, 10}}));
    bytes.resize(300, 0xEE);
    ASSERT_TRUE(WriteBytes(Path(L"long.macro"), bytes));
    AnswerFileDialog(Path(L"long.macro"));
    ImportOnce();
    ASSERT_EQ(m_macros.size(), 3u);
    EXPECT_EQ(std::wstring(NameOf(m_macros[2]->szName)), L"ABCDEFGHIJKLMNOPQRSTU_2");
    EXPECT_EQ(ActionsOf(*m_macros[2]), (std::vector<std::string>{Action(0x2C, 1, 10), Action(0x2C, 2, 10)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(MacroFileTest, FilesThatAreNoMacroTheMouseCanHoldAreRefusedAndNothingChanges) {
    auto longDelays = [](int iSplit) {
        auto pMacro = Macro(L"Slow", {});
        for (int i = 0; i < 46; ++i)
            pMacro->stActions[pMacro->iActionNum++] = {0x04, static_cast<uint8_t>(i % 2 + 1), static_cast<uint16_t>(i < iSplit ? 1271 : 10)};
        return BytesOf(*pMacro);
    };
    std::vector<uint8_t> shortFile = BytesOf(*Macro(L"Short", {{0x04, 1, 10}}));
    shortFile.resize(239);
    // A second-generation export without actions: its first 240 bytes would read as an empty macro.
    auto pOther = gen1test::Zeroed<MacroRecordEx>();
    CopyName(pOther->szName, L"Other");
    std::vector<uint8_t> unterminated = BytesOf(*Macro(L"", {{0x04, 1, 10}}));
    std::fill_n(unterminated.begin(), sizeof(MacroRecord::szName), uint8_t{0x41});

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;  // empty with bMissing: no such file
        bool bMissing;
        const wchar_t* pszMessage;
    } cases[] = {
        {"an empty file", {}, false, L"macro_import_short_text"},
        {"one byte short of a record", shortFile, false, L"macro_import_short_text"},
        {"48 events", longDelays(2), false, L"macro_import_long_text"},
        {"more events than the frame carries", longDelays(10), false, L"macro_import_long_text"},
        {"a file that cannot be read", {}, true, L"macro_import_unreadable_text"},
        {"a second-generation macro", BytesOf(*pOther), false, L"macro_import_foreign_text"},
        {"a name without its terminator", unterminated, false, L"macro_import_damaged_text"},
    };
    m_macros.push_back(Macro(L"Kept", {{0x05, 1, 10}}));
    m_files.storage.SaveMacroData(m_macros);
    const std::vector<uint8_t> before = DiskFile();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_boxes.clear();
        const std::wstring strPath = Path(c.bMissing ? L"missing.macro" : L"bad.macro");
        if (!c.bMissing) {
            ASSERT_TRUE(WriteBytes(strPath, c.bytes));
        }
        AnswerFileDialog(strPath);
        std::vector<std::wstring> rows;
        RunEditor([&](HWND h) {
            ASSERT_TRUE(ClickRow(h, kMacroList, 0));
            ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_import_btn"));
            rows = MacroRows(h);
            EXPECT_EQ(SelectedRow(h, kMacroList), 0);
            uikit::Click(h, L"btn_exit");
        });
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{c.pszMessage}));
        EXPECT_EQ(rows, (std::vector<std::wstring>{L"Kept"}));
        EXPECT_EQ(m_macros.size(), 1u);
        EXPECT_EQ(DiskFile(), before);
    }
    // 47 events is a macro the mouse holds.
    ASSERT_TRUE(WriteBytes(Path(L"fits.macro"), longDelays(1)));
    AnswerFileDialog(Path(L"fits.macro"));
    m_boxes.clear();
    ImportOnce();
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(m_macros.size(), 2u);
}

TEST_F(MacroFileTest, CancelledFileDialogsChangeNothing) {
    m_macros.push_back(Macro(L"Only", {{0x05, 1, 10}}));
    AnswerFileDialog(L"");
    AnswerFileDialog(L"");
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_export_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_import_btn"));
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(m_fileRequests.size(), 2u);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(m_macros.size(), 1u);
    EXPECT_FALSE(gen1test::FileExists(m_files.MacroData()));
}

TEST_F(MacroFileTest, AnExportThatCannotBeWrittenIsReported) {
    m_macros.push_back(Macro(L"Only", {{0x05, 1, 10}}));
    AnswerFileDialog(Path(L"no such folder\\only.macro"));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_export_btn"));
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"macro_export_failed_text"}));
}

}  // namespace
