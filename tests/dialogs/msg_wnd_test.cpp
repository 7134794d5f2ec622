// The message box driven as a person answers it: its result for every way of closing it, the
// texts it shows, where it appears and how its object ends.
#include <gtest/gtest.h>

#include "tests/dialogs/dialog_test_support.h"
#include "core/dialogs/msg_wnd.h"

using namespace DuiLib;
using dlgtest::Text;

namespace {

class MsgWndTest : public dlgtest::DialogTest {
protected:
    // Runs the box as every caller does and answers it with the action once its loop runs.
    UINT Run(LPCWSTR pszMessageId, uikit::ModalAnswer::Action answer) {
        bool bOwnerDisabled = false;
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            bOwnerDisabled = !::IsWindowEnabled(m_owner);
            answer(wnd);
        });
        const UINT nResult = RunMsgWnd(m_owner, pszMessageId);
        EXPECT_EQ(modal.GetCount(), 1);
        if (modal.GetCount() == 1) {
            EXPECT_EQ(modal.GetClassNames()[0], L"MsgWnd");
        }
        EXPECT_TRUE(bOwnerDisabled) << "the owner takes no input while the box is up";
        EXPECT_TRUE(::IsWindowEnabled(m_owner));
        return nResult;
    }
};

TEST_F(MsgWndTest, OnlyOkAnswersYes) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"btn_ok", {L"btn_cancel"})) {
        SCOPED_TRACE(way.sWhat);
        EXPECT_EQ(Run(L"delete_profile_text", [&](CWindowWnd& wnd) { way.close(wnd.GetHWND()); }), way.bOk ? 1u : 0u);
    }
}

TEST_F(MsgWndTest, ClicksOnTheTextsDoNotAnswer) {
    // A click on the title or the message is no answer; the box stays until a button is pressed.
    uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
        EXPECT_TRUE(uikit::Click(wnd.GetHWND(), L"warning"));
        EXPECT_TRUE(uikit::Click(wnd.GetHWND(), L"warning_title"));
        uikit::PumpUntilIdle();
        EXPECT_TRUE(::IsWindow(wnd.GetHWND()));
        uikit::Click(wnd.GetHWND(), L"btn_ok");
    });
    EXPECT_EQ(RunMsgWnd(m_owner, L"delete_macro_text"), 1u);
}

TEST_F(MsgWndTest, ShowsEveryMessageInEveryLanguage) {
    const wchar_t* messages[] = {L"delete_profile_text", L"one_profile_text",  L"restore_text",    L"one_click_text",
                                 L"delete_macro_text",   L"warn_name_1_text", L"warn_name_2_text"};
    std::wstring sEnglishTitle;
    for (const wchar_t* pszLanguage : {L"EN", L"CN", L"YUENAN"}) {
        ASSERT_TRUE(dlgtest::UseLanguage(pszLanguage));
        for (const wchar_t* pszMessage : messages) {
            SCOPED_TRACE(testing::Message() << static_cast<const void*>(pszMessage));
            CDuiString sTitle, sMessage;
            Run(pszMessage, [&](CWindowWnd& wnd) {
                sTitle = uikit::FindControl(wnd.GetHWND(), L"warning_title")->GetText();
                sMessage = uikit::FindControl(wnd.GetHWND(), L"warning")->GetText();
                uikit::Click(wnd.GetHWND(), L"btn_cancel");
            });
            EXPECT_EQ(sTitle, Text(L"warning_title_text"));
            EXPECT_EQ(sMessage, Text(pszMessage));
            EXPECT_NE(sMessage, pszMessage) << "the language has a text for the message";
        }
        if (sEnglishTitle.empty()) {
            sEnglishTitle = Text(L"warning_title_text");
        } else {
            EXPECT_NE(Text(L"warning_title_text"), sEnglishTitle) << "translated";
        }
    }
}

TEST_F(MsgWndTest, AnEmptyMessageIdShowsAnEmptyLabel) {
    CDuiString sMessage = L"not read";
    EXPECT_EQ(Run(L"", [&](CWindowWnd& wnd) {
                  sMessage = uikit::FindControl(wnd.GetHWND(), L"warning")->GetText();
                  uikit::Click(wnd.GetHWND(), L"btn_ok");
              }),
              1u);
    EXPECT_TRUE(sMessage.IsEmpty());
}

TEST_F(MsgWndTest, TakesTheSkinSizeCentredOnItsOwnerWithTheGivenName) {
    RECT rcBox{}, rcOwner{};
    wchar_t szName[32] = L"";
    LONG lExStyle = 0;
    HWND hWndOwner = nullptr;
    uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
        ::GetWindowRect(wnd.GetHWND(), &rcBox);
        ::GetWindowTextW(wnd.GetHWND(), szName, 32);
        lExStyle = ::GetWindowLongW(wnd.GetHWND(), GWL_EXSTYLE);
        hWndOwner = ::GetWindow(wnd.GetHWND(), GW_OWNER);
        uikit::Click(wnd.GetHWND(), L"btn_cancel");
    });
    EXPECT_EQ(RunMsgWnd(m_owner, L"one_click_text", L"MsgWnd"), 0u);
    ::GetWindowRect(m_owner, &rcOwner);
    EXPECT_EQ(rcBox.right - rcBox.left, 400);  // the skin's size, not the 800 x 800 it was created with
    EXPECT_EQ(rcBox.bottom - rcBox.top, 200);
    EXPECT_NEAR((rcBox.left + rcBox.right) / 2, (rcOwner.left + rcOwner.right) / 2, 1);
    EXPECT_NEAR((rcBox.top + rcBox.bottom) / 2, (rcOwner.top + rcOwner.bottom) / 2, 1);
    EXPECT_STREQ(szName, L"MsgWnd");
    EXPECT_TRUE(lExStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(hWndOwner, m_owner.GetHWND());
}

// Counts its own deletion, to see who deletes the object.
class CCountedMsgWnd : public CMsgWnd {
public:
    explicit CCountedMsgWnd(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CCountedMsgWnd() override { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

TEST_F(MsgWndTest, DeletesItselfOnlyWhenAskedTo) {
    int iDeleted = 0;
    uikit::ModalAnswer modal(uikit::ModalAnswer::ClickControl(L"btn_ok"));
    {
        CCountedMsgWnd onStack(&iDeleted);
        ASSERT_NE(onStack.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800), nullptr);
        EXPECT_EQ(onStack.ShowModal(), 1u);
        EXPECT_EQ(iDeleted, 0) << "the caller's object outlives its window";
    }
    EXPECT_EQ(iDeleted, 1);

    auto* pOnHeap = new CCountedMsgWnd(&iDeleted);
    pOnHeap->m_bAutoDelete = true;
    ASSERT_NE(pOnHeap->Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800), nullptr);
    EXPECT_EQ(pOnHeap->ShowModal(), 1u);
    EXPECT_EQ(iDeleted, 2) << "gone with its window";
}

}  // namespace
