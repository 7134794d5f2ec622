// Whatever a person typed or slid is still there at the next start, however the program ended:
// the DPI slider and the typed DPI (they wait for the next apply), a slider that waits two
// seconds and the light mode that waits a moment, each changed just before the end, on a model of
// each generation, ended by the tray's "Exit", a close request and the end of the Windows session.
#include "tests/lifecycle/lifecycle_fixture.h"

#include "tests/kit/ui_driver.h"

#include <functional>
#include <string>

using namespace lifecycle;
using DuiLib::CComboUI;
using DuiLib::CSliderUI;

namespace {

struct Row {
    int iModel;
    Ending eEnding;
};

class ExitSave : public LifecycleTest, public ::testing::WithParamInterface<Row> {};

// A deferred control: how a person changes it, and the control that shows it.
struct DeferredEdit {
    const char* pszName;
    std::function<::testing::AssertionResult(LifecycleTest&)> change;
    const wchar_t* pszShownBy;
};

int SliderMin(LifecycleTest& t, const wchar_t* pszSuffix) {
    auto* pSlider = t.ControlOf<CSliderUI>(pszSuffix);
    return pSlider != nullptr ? pSlider->GetMinValue() : 0;
}

const DeferredEdit kEdits[] = {
    // First: the click into the edit makes its stage current, which goes to the mouse at once.
    {"typed DPI",
     [](LifecycleTest& t) { return pagetest::TypeInSettings(t.Hwnd(), t.Model(), L"edit_dpi_3", L"2400", true); },
     L"edit_dpi_3"},
    {"DPI slider",
     [](LifecycleTest& t) {
         return pagetest::SlideInSettings(t.Hwnd(), t.Model(), L"slider_dpi_2", SliderMin(t, L"slider_dpi_2") + 7);
     },
     L"slider_dpi_2"},
    {"debounce slider (two seconds)",
     [](LifecycleTest& t) {
         return pagetest::SlideInSettings(t.Hwnd(), t.Model(), L"slider_key_debounce",
                                          SliderMin(t, L"slider_key_debounce") + 5);
     },
     L"slider_key_debounce"},
    {"light mode (a moment)", [](LifecycleTest& t) { return pagetest::ChooseLightModeByKeys(t.Hwnd(), t.Model(), 3); },
     L"combo_light"},
};

TEST_P(ExitSave, WhatWasChangedJustBeforeTheEndIsThereAtTheNextStart) {
    const Row row = GetParam();
    Start(row.iModel);
    std::wstring before[std::size(kEdits)];
    std::wstring edited[std::size(kEdits)];
    for (size_t i = 0; i < std::size(kEdits); ++i) before[i] = Shown(kEdits[i].pszShownBy);
    for (size_t i = 0; i < std::size(kEdits); ++i) {
        SCOPED_TRACE(kEdits[i].pszName);
        ASSERT_TRUE(kEdits[i].change(*this));
        // What the edit itself asks for at once has reached the mouse; what it defers has not.
        SettleApplies();
    }
    for (size_t i = 0; i < std::size(kEdits); ++i) {
        edited[i] = Shown(kEdits[i].pszShownBy);
        EXPECT_NE(edited[i], before[i]) << kEdits[i].pszName << " changed";
    }

    End(row.eEnding);
    Open();
    for (size_t i = 0; i < std::size(kEdits); ++i)
        EXPECT_EQ(Shown(kEdits[i].pszShownBy), edited[i]) << kEdits[i].pszName << " after " << EndingName(row.eEnding);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    const char* kEndings[] = {"TrayExit", "CloseRequest", "SessionEnd"};
    return "MS_" + std::to_string(info.param.iModel) + "_" + kEndings[static_cast<int>(info.param.eEnding)];
}

INSTANTIATE_TEST_SUITE_P(EachGenerationAndEnding, ExitSave,
                         ::testing::Values(Row{10, Ending::TrayExit}, Row{10, Ending::CloseRequest},
                                           Row{10, Ending::SessionEnd}, Row{11, Ending::TrayExit},
                                           Row{11, Ending::CloseRequest}, Row{11, Ending::SessionEnd}),
                         RowName);

}  // namespace
