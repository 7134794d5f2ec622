// The profile-name dialog driven as a person uses it, opened as a page opens it to add or to
// rename a profile: names refused with a message, the 99-character field, and only OK as a
// choice.
#include "tests/gen1/macro_dialog_fixture.h"

#include <gtest/gtest.h>

using namespace DuiLib;
using namespace macrotest;

namespace {

class ProfileNameTest : public MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        for (const wchar_t* pszName : {L"Default", L"Game"}) m_profiles.push_back(m_files.Default(pszName));
    }

    // Opens the dialog (MS_10's unless told) with a title; scenario answers it.
    template <class Dialog = CMS_10_ProfileName>
    UINT Run(const wchar_t* pszTitle, const std::function<void(HWND)>& scenario, std::wstring* pstrName = nullptr) {
        Dialog dialog;
        dialog.m_strTitle = pszTitle;
        dialog.m_pProfiles = &m_profiles;
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) { Answer(wnd, scenario); });
        const UINT uResult = dialog.Run(m_owner);
        if (pstrName != nullptr) *pstrName = dialog.m_strName.str();
        m_missing = dialog.MissingControls();
        return uResult;
    }
    static void Type(HWND h, const std::wstring& strText) {
        ASSERT_TRUE(uikit::TypeText(Control(h, L"edit_name"), strText));
    }

    ProfileList m_profiles;
};

TEST_F(ProfileNameTest, ShowsItsTitleAndTakesATypedName) {
    for (const wchar_t* pszTitle : {L"profile_name_1_text", L"profile_name_2_text"}) {
        std::wstring strName;
        std::wstring strTitle;
        EXPECT_EQ(Run(pszTitle, [&](HWND h) {
            strTitle = Control(h, L"title_string")->GetText().str();
            EXPECT_EQ(Control(h, L"edit_name")->GetText(), L"") << "the field starts empty";
            Type(h, L"Tournament 5v5");
            uikit::Click(h, L"btn_ok");
        }, &strName), 1u);
        EXPECT_EQ(strTitle, dlgtest::Text(pszTitle));
        EXPECT_EQ(strName, L"Tournament 5v5");
    }
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_TRUE(m_missing.empty());
}

TEST_F(ProfileNameTest, RefusedNamesKeepTheDialogOpen) {
    std::wstring strName;
    EXPECT_EQ(Run(L"profile_name_2_text", [&](HWND h) {
        uikit::Click(h, L"btn_ok");          // nothing typed
        Type(h, L"GAME");                    // another profile's name, in other case
        uikit::Click(h, L"btn_ok");
        Type(h, L"Default");                 // the profile being renamed counts too
        uikit::Click(h, L"btn_ok");
        EXPECT_TRUE(::IsWindow(h)) << "still open";
        Type(h, L" ");                       // a space is a name
        uikit::Click(h, L"btn_ok");
    }, &strName), 1u);
    EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"warn_name_1_text", L"warn_name_2_text", L"warn_name_2_text"}));
    EXPECT_EQ(strName, L" ");
}

TEST_F(ProfileNameTest, TheFieldHoldsAtMost99Characters) {
    const std::wstring strLong(120, L'x');
    std::wstring strName;
    std::wstring strShown;
    EXPECT_EQ(Run(L"profile_name_1_text", [&](HWND h) {
        Type(h, strLong);
        strShown = Control(h, L"edit_name")->GetText().str();
        uikit::Click(h, L"btn_ok");
    }, &strName), 1u);
    EXPECT_EQ(strShown, std::wstring(99, L'x'));
    EXPECT_EQ(strName, std::wstring(99, L'x'));

    // Cut to the record before it is compared: a name whose first 99 characters are taken is taken.
    CopyName(m_profiles[1]->szName, std::wstring(99, L'y'));
    EXPECT_EQ(Run(L"profile_name_1_text", [&](HWND h) {
        Control(h, L"edit_name")->SetText(std::wstring(105, L'y').c_str());  // more than the field takes when typed
        uikit::Click(h, L"btn_ok");
        uikit::PressKey(h, VK_ESCAPE);
    }, &strName), 0u);
    EXPECT_EQ(m_boxes.back(), L"warn_name_2_text");
}

TEST_F(ProfileNameTest, OnlyOkReturnsOne) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"btn_ok", {L"btn_cancel", L"btn_exit"})) {
        SCOPED_TRACE(way.sWhat);
        std::wstring strName = L"unset";
        const UINT uResult = Run(L"profile_name_1_text", [&](HWND h) {
            Type(h, L"Work");
            way.close(h);
        }, &strName);
        EXPECT_EQ(uResult, way.bOk ? 1u : 0u);
        EXPECT_EQ(strName, way.bOk ? L"Work" : L"");
    }
    // After a refusal, the close button still answers 0 with no name.
    std::wstring strName;
    EXPECT_EQ(Run(L"profile_name_1_text", [&](HWND h) {
        uikit::Click(h, L"btn_ok");
        uikit::Click(h, L"btn_exit");
    }, &strName), 0u);
    EXPECT_EQ(strName, L"");
}

TEST_F(ProfileNameTest, EachModelsDialogHasItsWindowClassAndSkin) {
    for (int iModel : gen1test::kGen1Models) {
        SCOPED_TRACE(iModel);
        std::wstring strClass;
        auto scenario = [&](HWND h) {
            strClass = WindowClassOf(h);
            uikit::Click(h, L"btn_cancel");
        };
        if (iModel == 10) Run<CMS_10_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 1) Run<CMS_1_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 2) Run<CMS_2_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 3) Run<CMS_3_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 4) Run<CMS_4_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 5) Run<CMS_5_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 6) Run<CMS_6_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 7) Run<CMS_7_ProfileName>(L"profile_name_1_text", scenario);
        if (iModel == 9) Run<CMS_9_ProfileName>(L"profile_name_1_text", scenario);
        EXPECT_EQ(strClass, L"MS_" + std::to_wstring(iModel) + L"_ProfileName");
        EXPECT_TRUE(m_missing.empty());
    }
}

}  // namespace
