// The digit filters on a real rich edit, typed into as a person types: refused characters
// vanish as they are typed, the caret stays after the text, and a text that needs no change is
// not written back.
#include <gtest/gtest.h>

#include "tests/dialogs/dialog_test_support.h"
#include "core/dialogs/rich_edit_filter.h"

using namespace DuiLib;

namespace {

// A window with two numeric edits whose "textchanged" runs the filters, as a page's does.
class CNumericEditWnd : public WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"NumericEditTestWnd"; }
    CDuiString GetSkinFile() override {
        return L"<Window size=\"300,120\"><VerticalLayout bkcolor=\"#FF16191D\" inset=\"10,10,10,10\" childpadding=\"10\">"
               L"<RichEdit name=\"digits\" height=\"30\" bkcolor=\"#FF101316\"/>"
               L"<RichEdit name=\"signed\" height=\"30\" bkcolor=\"#FF101316\"/>"
               L"</VerticalLayout></Window>";
    }
    void Notify(TNotifyUI& msg) override {
        if (msg.sType != DUI_MSGTYPE_TEXTCHANGED) return;
        auto* pEdit = static_cast<CRichEditUI*>(msg.pSender);
        ++m_iChanges;
        if (pEdit->GetName() == L"digits") FilterDigits(pEdit, pEdit->GetText());
        if (pEdit->GetName() == L"signed") FilterSignedDigits(pEdit, pEdit->GetText());
    }
    int m_iChanges = 0;
};

class RichEditFilterTest : public dlgtest::DialogTest {
protected:
    void SetUp() override {
        dlgtest::DialogTest::SetUp();
        ASSERT_NE(m_wnd.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 120), nullptr);
        ::SetForegroundWindow(m_wnd);
        uikit::PumpUntilIdle();
    }
    void TearDown() override {
        if (::IsWindow(m_wnd)) ::DestroyWindow(m_wnd);
        dlgtest::DialogTest::TearDown();
    }
    CRichEditUI* Edit(LPCWSTR pszName) { return static_cast<CRichEditUI*>(uikit::FindControl(m_wnd, pszName)); }
    // The caret (start and end of the selection) of the edit being typed into.
    static std::pair<int, int> Selection(CRichEditUI* pEdit) {
        DWORD dwStart = 0, dwEnd = 0;
        ::SendMessageW(pEdit->GetNativeWindow(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                       reinterpret_cast<LPARAM>(&dwEnd));
        return {static_cast<int>(dwStart), static_cast<int>(dwEnd)};
    }

    CNumericEditWnd m_wnd;
};

TEST_F(RichEditFilterTest, RefusedCharactersVanishAsTheyAreTyped) {
    struct Case {
        LPCWSTR pszEdit;
        std::wstring sTyped;
        std::wstring sLeft;
    } cases[] = {
        {L"digits", L"12a3b", L"123"}, {L"digits", L"1ab2", L"12"}, {L"digits", L"-7", L"7"},
        {L"signed", L"-1x2", L"-12"},  {L"signed", L"1-2", L"1-2"}, {L"signed", L"+3.5", L"35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sLeft.size());
        CRichEditUI* pEdit = Edit(c.pszEdit);
        pEdit->SetText(L"");
        ASSERT_TRUE(uikit::TypeText(pEdit, c.sTyped));
        EXPECT_EQ(pEdit->GetText().str(), c.sLeft);
        ASSERT_NE(pEdit->GetNativeWindow(), nullptr);
        EXPECT_EQ(Selection(pEdit), std::make_pair(int(c.sLeft.size()), int(c.sLeft.size())));
    }
}

TEST_F(RichEditFilterTest, AcceptedTextIsNotWrittenBack) {
    CRichEditUI* pEdit = Edit(L"digits");
    ASSERT_TRUE(uikit::TypeText(pEdit, L"123"));
    pEdit->SetSel(1, 1);
    FilterDigits(pEdit, pEdit->GetText());
    EXPECT_EQ(Selection(pEdit), std::make_pair(1, 1)) << "the caret stays where the user put it";
    FilterDigits(pEdit, L"1x23");  // a change: written back, caret at the end
    EXPECT_EQ(pEdit->GetText().str(), L"123");
    EXPECT_EQ(Selection(pEdit), std::make_pair(3, 3));
    FilterSignedDigits(nullptr, L"1x");  // no edit: nothing to do
}

}  // namespace
