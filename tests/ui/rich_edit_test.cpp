// CRichEditUI: typing into the native window laid over the edit, the notifications a person's
// typing and focus moves raise against the silent calls from code, read-only and length-limited
// edits, the selection, and the state images the edit is drawn with.
#include "tests/ui/skinned_window_test.h"

using namespace DuiLib;
using Seq = std::vector<std::wstring>;

namespace {

constexpr uint32_t kNormal = 0x203080;
constexpr uint32_t kHot = 0x208030;
constexpr uint32_t kFocused = 0xA03020;
constexpr uint32_t kDisabled = 0x505050;

constexpr wchar_t kSkin[] =
    L"<Window size=\"360,240\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF000000\" inset=\"10,10,10,10\" childpadding=\"8\">"
    L" <Button name=\"btn\" height=\"28\"/>"
    L" <RichEdit name=\"edit\" height=\"28\" width=\"200\" text=\"start\" textpadding=\"6,0,6,0\""
    L"   textcolor=\"#FFFFFFFF\" nativebkcolor=\"#FF202020\" normalimage=\"images/edit_normal.png\""
    L"   hotimage=\"images/edit_hot.png\" focusedimage=\"images/edit_focused.png\""
    L"   disabledimage=\"images/edit_disabled.png\"/>"
    L" <RichEdit name=\"edit_ro\" height=\"28\" width=\"200\" readonly=\"true\" text=\"fixed\"/>"
    L" <HorizontalLayout height=\"28\" childpadding=\"8\">"
    L"  <RichEdit name=\"edit_short\" width=\"100\" maxchar=\"4\"/>"
    L"  <RichEdit name=\"edit_centred\" width=\"100\" align=\"center\" text=\"42\" bordersize=\"2\""
    L"    bordercolor=\"#FF00FF00\"/>"
    L" </HorizontalLayout>"
    L" <Label name=\"label\" height=\"20\"/>"
    L"</VerticalLayout></Window>";

class RichEditTest : public uitest::SkinnedWindowTest {
protected:
    RichEditTest() : SkinnedWindowTest(kSkin, 360, 240) {}
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        m_pEdit = m_wnd.Find<CRichEditUI>(L"edit");
        ASSERT_NE(m_pEdit, nullptr);
    }

    static std::wstring WindowText(HWND hWnd) {
        wchar_t sz[256] = {0};
        ::GetWindowTextW(hWnd, sz, 256);
        return sz;
    }
    static std::pair<DWORD, DWORD> Selection(HWND hWnd) {
        DWORD dwStart = 0, dwEnd = 0;
        ::SendMessageW(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        return {dwStart, dwEnd};
    }
    // A pixel of the edit's frame, outside the native window's line.
    uint32_t FramePixel() {
        const RECT& rc = m_pEdit->GetPos();
        return uikit::CaptureWindow(m_wnd).At(rc.left + 2, rc.top + 2);
    }

    CRichEditUI* m_pEdit = nullptr;
};

TEST_F(RichEditTest, TypingGoesToANativeWindowOverTheEditAndEachChangeIsAnnounced) {
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
    ASSERT_TRUE(uikit::TypeText(m_pEdit, L"12"));
    // Taking the focus selected the old text, so the typing replaced it.
    EXPECT_EQ(m_pEdit->GetText(), L"12");
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:edit", L"textchanged:edit", L"textchanged:edit"}));
    const HWND hNative = m_pEdit->GetNativeWindow();
    ASSERT_NE(hNative, nullptr);
    EXPECT_EQ(::GetParent(hNative), m_wnd.GetHWND());
    EXPECT_EQ(::GetFocus(), hNative);
    EXPECT_TRUE(::IsWindowVisible(hNative));
    // It lies inside the edit's text area.
    RECT rcNative;
    ::GetWindowRect(hNative, &rcNative);
    ::MapWindowPoints(nullptr, m_wnd, reinterpret_cast<POINT*>(&rcNative), 2);
    const RECT& rc = m_pEdit->GetPos();
    EXPECT_EQ(rcNative.left, rc.left + 6);
    EXPECT_EQ(rcNative.right, rc.right - 6);
    EXPECT_GE(rcNative.top, rc.top);
    EXPECT_LE(rcNative.bottom, rc.bottom);
    EXPECT_EQ(m_pEdit->GetText(), WindowText(hNative).c_str());
}

TEST_F(RichEditTest, FocusedFromCodeBeforeTheFirstLayoutTheNativeWindowStillLiesOverTheEdit) {
    uitest::CTestWindow fresh(kSkin, L"UiFreshEditWnd");
    ASSERT_NE(fresh.CreateAt(60, 60, 360, 240), nullptr);
    auto* pEdit = fresh.Find<CRichEditUI>(L"edit");
    pEdit->SetFocus();  // nothing has been laid out or painted yet
    const HWND hNative = pEdit->GetNativeWindow();
    ASSERT_NE(hNative, nullptr);
    RECT rcNative;
    ::GetWindowRect(hNative, &rcNative);
    ::MapWindowPoints(nullptr, fresh, reinterpret_cast<POINT*>(&rcNative), 2);
    EXPECT_EQ(rcNative.left, pEdit->GetPos().left + 6);
    EXPECT_EQ(rcNative.right, pEdit->GetPos().right - 6);
    EXPECT_EQ(WindowText(hNative), L"start");
    EXPECT_EQ(Selection(hNative), (std::pair<DWORD, DWORD>{0, 5}));
}

TEST_F(RichEditTest, SetTextAndSetSelFromCodeAreSilentWhetherFocusedOrNot) {
    m_pEdit->SetText(L"abc");
    EXPECT_EQ(m_pEdit->GetText(), L"abc");
    ASSERT_TRUE(uikit::Click(m_pEdit));
    const HWND hNative = m_pEdit->GetNativeWindow();
    ASSERT_NE(hNative, nullptr);
    EXPECT_EQ(WindowText(hNative), L"abc");
    EXPECT_EQ(Selection(hNative), (std::pair<DWORD, DWORD>{0, 3}));
    m_wnd.ClearRecords();
    m_pEdit->SetText(L"wxyz");
    m_pEdit->SetSel(4, 4);
    EXPECT_EQ(WindowText(hNative), L"wxyz");
    EXPECT_EQ(Selection(hNative), (std::pair<DWORD, DWORD>{4, 4}));
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    // Typing goes on at the caret.
    ::PostMessageW(hNative, WM_CHAR, L'5', 1);
    uikit::PumpUntilIdle();
    EXPECT_EQ(m_pEdit->GetText(), L"wxyz5");
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"textchanged:edit"}));
}

TEST_F(RichEditTest, ADigitFilterInTheHandlerKeepsOnlyDigitsWithoutExtraNotifications) {
    // What the program's numeric edits do on "textchanged": drop non-digits, caret to the end.
    m_wnd.m_onNotify = [this](TNotifyUI& msg) {
        if (msg.sType != DUI_MSGTYPE_TEXTCHANGED) return;
        CDuiString sText = msg.pSender->GetText();
        CDuiString sDigits;
        for (int i = 0; i < sText.GetLength(); ++i) {
            if (sText[i] >= L'0' && sText[i] <= L'9') sDigits += sText[i];
        }
        if (sDigits != sText) {
            m_pEdit->SetText(sDigits);
            m_pEdit->SetSel(sDigits.GetLength(), sDigits.GetLength());
        }
    };
    ASSERT_TRUE(uikit::TypeText(m_pEdit, L"1a2bb3"));
    EXPECT_EQ(m_pEdit->GetText(), L"123");
    EXPECT_EQ(WindowText(m_pEdit->GetNativeWindow()), L"123");
    EXPECT_EQ(Selection(m_pEdit->GetNativeWindow()), (std::pair<DWORD, DWORD>{3, 3}));
    EXPECT_EQ(CountOf(L"textchanged", L"edit"), 6);  // one per typed character, none for the filter
}

TEST_F(RichEditTest, EnterIsAnnouncedAndIsNotText) {
    ASSERT_TRUE(uikit::TypeText(m_pEdit, L"5"));
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_RETURN);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"return:edit"}));
    EXPECT_EQ(m_pEdit->GetText(), L"5");
    EXPECT_EQ(m_pEdit->GetNativeWindow(), ::GetFocus());  // still editing
}

TEST_F(RichEditTest, PressingAnotherControlEndsTheEditBeforeThatControlsClick) {
    ASSERT_TRUE(uikit::TypeText(m_pEdit, L"77"));
    const HWND hNative = m_pEdit->GetNativeWindow();
    std::wstring sTextAtKillfocus;
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_KILLFOCUS) sTextAtKillfocus = msg.pSender->GetText().GetData();
    };
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:edit", L"setfocus:btn", L"click:btn"}));
    EXPECT_EQ(sTextAtKillfocus, L"77");  // the typed value is there to be committed
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
    uikit::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(hNative));
    EXPECT_EQ(m_pEdit->GetText(), L"77");
    // A press on something that takes no focus ends it too.
    ASSERT_TRUE(uikit::Click(m_pEdit));
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"label"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:edit"}));
}

TEST_F(RichEditTest, TabMovesTheFocusOnFromTheNativeWindow) {
    ASSERT_TRUE(uikit::Click(m_pEdit));
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_TAB);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:edit", L"setfocus:edit_ro"}));
    EXPECT_NE(m_wnd.Find<CRichEditUI>(L"edit_ro")->GetNativeWindow(), nullptr);
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
}

TEST_F(RichEditTest, LosingTheActivationOrBeingDisabledEndsTheEdit) {
    ASSERT_TRUE(uikit::Click(m_pEdit));
    m_wnd.ClearRecords();
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 500, 40, 40, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ::SetActiveWindow(hOther);
    ::SetFocus(hOther);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:edit"}));
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
    EXPECT_EQ(::GetFocus(), hOther);  // the edit gave nothing back to its host
    ::DestroyWindow(hOther);

    ::SetForegroundWindow(m_wnd);
    ASSERT_TRUE(uikit::Click(m_pEdit));
    m_wnd.ClearRecords();
    m_pEdit->SetEnabled(false);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:edit"}));
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
    // Disabled, a press does not focus it.
    ASSERT_TRUE(uikit::Click(m_pEdit));
    EXPECT_EQ(m_wnd.PM().GetFocus(), nullptr);
    EXPECT_EQ(m_pEdit->GetNativeWindow(), nullptr);
}

TEST_F(RichEditTest, AReadOnlyEditTakesTheFocusButNotTheTyping) {
    auto* pReadOnly = m_wnd.Find<CRichEditUI>(L"edit_ro");
    ASSERT_TRUE(uikit::TypeText(pReadOnly, L"abc"));
    EXPECT_EQ(pReadOnly->GetText(), L"fixed");
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:edit_ro"}));
    const HWND hNative = pReadOnly->GetNativeWindow();
    ASSERT_NE(hNative, nullptr);
    EXPECT_NE(::GetWindowLongW(hNative, GWL_STYLE) & ES_READONLY, 0);
    // The program still writes into it (the captured key's name).
    pReadOnly->SetText(L"key_A");
    EXPECT_EQ(WindowText(hNative), L"key_A");
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:edit_ro"}));
    // Switched to writable while focused, it takes typing.
    pReadOnly->SetReadOnly(false);
    pReadOnly->SetSel(5, 5);
    ::PostMessageW(hNative, WM_CHAR, L'!', 1);
    uikit::PumpUntilIdle();
    EXPECT_EQ(pReadOnly->GetText(), L"key_A!");
}

TEST_F(RichEditTest, MaxcharLimitsWhatTheUserTypes) {
    auto* pShort = m_wnd.Find<CRichEditUI>(L"edit_short");
    ASSERT_TRUE(uikit::TypeText(pShort, L"123456"));
    EXPECT_EQ(pShort->GetText(), L"1234");
    EXPECT_EQ(CountOf(L"textchanged", L"edit_short"), 4);
}

TEST_F(RichEditTest, TheNativeWindowKeepsTheAlignmentAndLeavesTheBorderInSight) {
    auto* pCentred = m_wnd.Find<CRichEditUI>(L"edit_centred");
    ASSERT_TRUE(uikit::Click(pCentred));
    const HWND hNative = pCentred->GetNativeWindow();
    ASSERT_NE(hNative, nullptr);
    EXPECT_EQ(::GetWindowLongW(hNative, GWL_STYLE) & (ES_CENTER | ES_RIGHT), static_cast<LONG>(ES_CENTER));
    // The text starts near the middle, where the windowless text was drawn.
    RECT rcClient;
    ::GetClientRect(hNative, &rcClient);
    const LRESULT lPos = ::SendMessageW(hNative, EM_POSFROMCHAR, 0, 0);
    EXPECT_GT(static_cast<short>(LOWORD(lPos)), rcClient.right / 4);
    // No padding: the window still lies inside the 2 px border.
    RECT rcNative;
    ::GetWindowRect(hNative, &rcNative);
    ::MapWindowPoints(nullptr, m_wnd, reinterpret_cast<POINT*>(&rcNative), 2);
    EXPECT_EQ(rcNative.left, pCentred->GetPos().left + 2);
    EXPECT_EQ(rcNative.right, pCentred->GetPos().right - 2);
}

TEST_F(RichEditTest, ASelectionSetBeforeTheFocusIsWhereEditingStarts) {
    m_pEdit->SetSel(1, 3);
    ASSERT_TRUE(uikit::Click(m_pEdit));
    EXPECT_EQ(Selection(m_pEdit->GetNativeWindow()), (std::pair<DWORD, DWORD>{1, 3}));
    // The next focus selects everything again.
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    ASSERT_TRUE(uikit::Click(m_pEdit));
    EXPECT_EQ(Selection(m_pEdit->GetNativeWindow()), (std::pair<DWORD, DWORD>{0, 5}));
}

TEST_F(RichEditTest, TheStateImagesShowNormalHotFocusedAndDisabled) {
    ASSERT_TRUE(uikit::HoverOver(m_wnd.Find(L"btn")));
    EXPECT_EQ(FramePixel(), kNormal);
    ASSERT_TRUE(uikit::HoverOver(m_pEdit));
    EXPECT_EQ(FramePixel(), kHot);
    ASSERT_TRUE(uikit::Click(m_pEdit));
    ASSERT_TRUE(uikit::HoverOver(m_wnd.Find(L"label")));
    EXPECT_EQ(FramePixel(), kFocused);
    ASSERT_TRUE(uikit::Click(m_wnd, L"label"));
    m_pEdit->SetEnabled(false);
    EXPECT_EQ(FramePixel(), kDisabled);
    // The program swaps the normal image (the highlighted DPI edit).
    m_pEdit->SetEnabled(true);
    m_pEdit->SetNormalImage(L"images/edit_focused.png");
    EXPECT_EQ(FramePixel(), kFocused);
}

}  // namespace
