// The macro picker driven as a person uses it, opened as the page opens it for a button: the
// macros listed in order, the button's choice shown, the repeat modes and the loop count.
#include "models/data/gen1_frames.h"
#include "tests/gen1/macro_dialog_fixture.h"

#include <gtest/gtest.h>

using namespace DuiLib;
using namespace macrotest;
using gen1test::Macro;

namespace {

struct Choice {
    int iMacroIndex = -1;
    int iRepeatMode = 0;
    int iLoopCount = 1;
};

class SelectMacroTest : public MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        for (const wchar_t* pszName : {L"Reload", L"Build", L"Spray"}) m_macros.push_back(Macro(pszName, {}));
    }

    // Opens MS_10's picker with the button's choice; scenario answers it. Returns the result;
    // choice is what the picker hands back.
    template <class Picker = CMS_10_SelectMacro>
    UINT Run(Choice& choice, const std::function<void(HWND)>& scenario) {
        Picker picker;
        picker.m_pMacros = &m_macros;
        picker.m_iMacroIndex = choice.iMacroIndex;
        picker.m_iRepeatMode = choice.iRepeatMode;
        picker.m_iLoopCount = choice.iLoopCount;
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) { Answer(wnd, scenario); });
        const UINT uResult = picker.Run(m_owner);
        choice = {picker.m_iMacroIndex, picker.m_iRepeatMode, picker.m_iLoopCount};
        m_missing = picker.MissingControls();
        return uResult;
    }
    // The picker of model iModel.
    UINT RunModel(int iModel, Choice& choice, const std::function<void(HWND)>& scenario) {
        switch (iModel) {
            case 1: return Run<CMS_1_SelectMacro>(choice, scenario);
            case 2: return Run<CMS_2_SelectMacro>(choice, scenario);
            case 3: return Run<CMS_3_SelectMacro>(choice, scenario);
            case 4: return Run<CMS_4_SelectMacro>(choice, scenario);
            case 5: return Run<CMS_5_SelectMacro>(choice, scenario);
            case 6: return Run<CMS_6_SelectMacro>(choice, scenario);
            case 7: return Run<CMS_7_SelectMacro>(choice, scenario);
            case 9: return Run<CMS_9_SelectMacro>(choice, scenario);
            default: return Run<CMS_10_SelectMacro>(choice, scenario);
        }
    }

    static bool Shown(HWND h, const wchar_t* pszName) { return Control(h, pszName)->IsVisible(); }
    static bool Selected(HWND h, const wchar_t* pszName) {
        return static_cast<COptionUI*>(Control(h, pszName))->IsSelected();
    }
    static std::wstring LoopText(HWND h) { return Control(h, L"edit_loop_time")->GetText().str(); }
};

TEST_F(SelectMacroTest, ShowsTheButtonsChoice) {
    struct Case {
        const char* what;
        Choice start;
        int iRowShown;             // -1: no macro of the list chosen, OK keeps the picker open
        const wchar_t* pszOption;  // nullptr: none
        bool bLoopRow;
    } cases[] = {
        {"a button without a macro", {-1, 0, 1}, -1, L"repeat_1", true},
        {"counted, 5 times", {2, 0, 5}, 2, L"repeat_1", true},
        {"held mode", {1, 2, 9}, 1, L"repeat_3", false},
        {"toggle mode", {0, 1, 1}, 0, L"repeat_2", false},
        {"an index past the list", {7, 0, 1}, -1, L"repeat_1", true},
        {"a mode outside 0..2", {0, 5, 1}, 0, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Choice choice = c.start;
        const UINT uResult = Run(choice, [&](HWND h) {
            auto* pList = static_cast<CListUI*>(Control(h, L"list_macro"));
            ASSERT_EQ(pList->GetCount(), 3);
            EXPECT_EQ(pList->GetItemAt(0)->GetText(), L"Reload");
            EXPECT_EQ(pList->GetItemAt(2)->GetText(), L"Spray");
            EXPECT_EQ(pList->GetCurSel(), c.iRowShown);
            for (const wchar_t* pszOption : {L"repeat_1", L"repeat_2", L"repeat_3"})
                EXPECT_EQ(Selected(h, pszOption), c.pszOption != nullptr && wcscmp(pszOption, c.pszOption) == 0);
            EXPECT_EQ(Shown(h, L"hor_loop_time"), c.bLoopRow);
            EXPECT_EQ(LoopText(h), std::to_wstring(c.start.iLoopCount));
            uikit::Click(h, L"btn_ok");
            if (c.iRowShown >= 0) return;
            uikit::PumpUntilIdle();
            EXPECT_TRUE(::IsWindow(h)) << "nothing chosen: OK keeps the picker open";
            uikit::Click(h, L"btn_cancel");
        });
        EXPECT_EQ(uResult, c.iRowShown >= 0 ? 1u : 0u);
        EXPECT_EQ(choice.iMacroIndex, c.start.iMacroIndex) << "handed back as it came";
        EXPECT_EQ(choice.iRepeatMode, c.start.iRepeatMode);
    }
    EXPECT_TRUE(m_missing.empty());
}

TEST_F(SelectMacroTest, ChoosingAMacroAModeAndACount) {
    Choice choice;
    EXPECT_EQ(Run(choice, [&](HWND h) {
        ASSERT_TRUE(ClickRow(h, L"list_macro", 1));
        ASSERT_TRUE(uikit::Click(h, L"repeat_2"));
        EXPECT_FALSE(Shown(h, L"hor_loop_time"));
        ASSERT_TRUE(uikit::Click(h, L"repeat_1"));
        EXPECT_TRUE(Shown(h, L"hor_loop_time")) << "back, with the same count";
        EXPECT_EQ(LoopText(h), L"1");
        TypeAndLeave(h, L"edit_loop_time", L"12", L"list_macro");
        ASSERT_TRUE(uikit::Click(h, L"repeat_3"));
        uikit::Click(h, L"btn_ok");
    }), 1u);
    EXPECT_EQ(choice.iMacroIndex, 1);
    EXPECT_EQ(choice.iRepeatMode, 2);
    EXPECT_EQ(choice.iLoopCount, 12);
}

TEST_F(SelectMacroTest, TheLoopCountIsDigitsFrom1To255) {
    struct Case {
        const wchar_t* pszTyped;
        const wchar_t* pszShown;
        int iCount;
    } cases[] = {{L"1a2", L"12", 12}, {L"300", L"255", 255}, {L"0", L"1", 1}, {L"\b", L"1", 1},
                 {L"255", L"255", 255}, {L"99999999999", L"255", 255}, {L"-4", L"4", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszShown, c.pszShown + wcslen(c.pszShown)));
        Choice choice{0, 0, 7};
        std::wstring strShown;
        Run(choice, [&](HWND h) {
            TypeAndLeave(h, L"edit_loop_time", c.pszTyped, L"list_macro");
            strShown = LoopText(h);
            uikit::Click(h, L"btn_ok");
        });
        EXPECT_EQ(strShown, c.pszShown);
        EXPECT_EQ(choice.iLoopCount, c.iCount);
    }
}

TEST_F(SelectMacroTest, OkTakesTheCountInTheEditEvenBeforeItLosesTheFocus) {
    Choice choice{0, 0, 3};
    std::wstring strShown;
    Run(choice, [&](HWND h) {
        Control(h, L"edit_loop_time")->SetText(L"400");  // what the edit holds when OK is pressed
        auto* pOk = static_cast<CButtonUI*>(Control(h, L"btn_ok"));
        pOk->Activate();  // OK pressed without the focus moving first
        strShown = LoopText(h);
    });
    EXPECT_EQ(choice.iLoopCount, 255);
    EXPECT_EQ(strShown, L"255");
}

TEST_F(SelectMacroTest, OnlyOkIsAChoice) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"btn_ok", {L"btn_cancel", L"btn_exit"})) {
        SCOPED_TRACE(way.sWhat);
        Choice choice{-1, 0, 1};
        const UINT uResult = Run(choice, [&](HWND h) {
            ASSERT_TRUE(ClickRow(h, L"list_macro", 2));
            way.close(h);
        });
        EXPECT_EQ(uResult, way.bOk ? 1u : 0u);
    }
}

TEST_F(SelectMacroTest, AnEmptyMacroListShowsAnEmptyList) {
    m_macros.clear();
    Choice choice;
    EXPECT_EQ(Run(choice, [&](HWND h) {
        EXPECT_EQ(static_cast<CListUI*>(Control(h, L"list_macro"))->GetCount(), 0);
        uikit::Click(h, L"btn_ok");
        uikit::PumpUntilIdle();
        EXPECT_TRUE(::IsWindow(h)) << "nothing to choose: OK keeps the picker open";
        uikit::Click(h, L"btn_cancel");
    }), 0u);
    EXPECT_EQ(choice.iMacroIndex, -1);
}

TEST_F(SelectMacroTest, EachModelsPickerHasItsWindowClassAndSkin) {
    for (int iModel : gen1test::kGen1Models) {
        SCOPED_TRACE(iModel);
        Choice choice{1, 0, 2};
        std::wstring strClass;
        auto scenario = [&](HWND h) {
            strClass = WindowClassOf(h);
            uikit::Click(h, L"btn_ok");
        };
        RunModel(iModel, choice, scenario);
        EXPECT_EQ(strClass, L"MS_" + std::to_wstring(iModel) + L"_SelectMacro");
        EXPECT_TRUE(m_missing.empty());
        EXPECT_EQ(choice.iMacroIndex, 1);
    }
}

// A macro with more pairs than the model's macro frame holds (46 actions, one more of them with a
// delay the frame splits in two than fits) is refused with the first generation's own message,
// which names the frame's limits, and the picker stays open for another macro; one that fills the
// frame exactly is taken.
TEST_F(SelectMacroTest, AMacroTheFrameCannotHoldIsRefusedWithTheFirstGenerationsLimits) {
    const std::wstring strText = CResourceManager::GetInstance()->GetText(L"macro_too_many_pairs_text").str();
    for (int iModel : gen1test::kGen1Models) {
        SCOPED_TRACE(iModel);
        const int iPairs = gen1test::ModelOf(iModel).macroFrame.PairCapacity();
        EXPECT_NE(strText.find(L" " + std::to_wstring(iPairs) + L" "), std::wstring::npos) << "the frame's pairs";
        m_macros.resize(3);
        for (int iSplit : {iPairs - kMacroActionMax + 1, iPairs - kMacroActionMax}) {
            auto pMacro = Macro(L"Split " + std::to_wstring(iSplit), {});
            for (int i = 0; i < kMacroActionMax; ++i)
                pMacro->stActions[pMacro->iActionNum++] = {0x04, static_cast<uint8_t>(i % 2 + 1),
                                                           static_cast<uint16_t>(i < iSplit ? kShortDelayMaxMs + 1 : 10)};
            m_macros.push_back(std::move(pMacro));
        }
        m_boxes.clear();
        Choice choice{-1, 0, 1};
        EXPECT_EQ(RunModel(iModel, choice, [&](HWND h) {
            ASSERT_TRUE(ClickRow(h, L"list_macro", 3));
            ASSERT_TRUE(uikit::Click(h, L"btn_ok"));
            EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"macro_too_many_pairs_text"}));
            EXPECT_TRUE(::IsWindow(h)) << "still open";
            ASSERT_TRUE(ClickRow(h, L"list_macro", 4));
            uikit::Click(h, L"btn_ok");
        }), 1u);
        EXPECT_EQ(choice.iMacroIndex, 4);
        EXPECT_EQ(m_boxes.size(), 1u);
    }
}

}  // namespace
