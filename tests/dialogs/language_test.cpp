// Every text the dialogs show exists in each of the three languages: the text ids their skins
// carry, the messages the program puts in the message box, and the names of keys and mouse
// buttons the shortcut field shows. The dialogs' own sentences are translated, not copied.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/dialogs/dialog_test_support.h"
#include "core/dialogs/dpi_color_wnd.h"
#include "core/dialogs/msg_wnd.h"
#include "core/dialogs/shortcut_wnd.h"
#include "core/util/folders.h"
#include "core/util/key_table.h"

using namespace DuiLib;

namespace {

const wchar_t* const kMessageIds[] = {L"warning_title_text", L"delete_profile_text", L"one_profile_text",
                                      L"restore_text",       L"one_click_text",      L"delete_macro_text",
                                      L"warn_name_1_text",   L"warn_name_2_text"};
const wchar_t* const kLanguages[] = {L"EN", L"CN", L"YUENAN"};

CControlUI* CollectTextIds(CControlUI* pControl, LPVOID pData) {
    auto* pIds = static_cast<std::set<std::wstring>*>(pData);
    if (pControl->IsResourceText() && !pControl->GetTextSource().IsEmpty()) pIds->insert(pControl->GetTextSource().str());
    if (!pControl->GetToolTip().IsEmpty()) pIds->insert(pControl->GetToolTip().str());
    return nullptr;  // visit every control
}

class DialogTextsTest : public dlgtest::DialogTest {
protected:
    // The text ids of the window that is starting its modal loop; then it is cancelled.
    uikit::ModalAnswer::Action CollectAndCancel() {
        return [this](CWindowWnd& wnd) {
            CControlUI* pRoot = uikit::ManagerOf(wnd.GetHWND())->GetRoot();
            ASSERT_NE(pRoot, nullptr);
            pRoot->FindControl(&CollectTextIds, &m_skinIds, UIFIND_ALL | UIFIND_ME_FIRST);
            ::PostMessageW(wnd.GetHWND(), WM_KEYDOWN, VK_ESCAPE, 1);
        };
    }
    void CollectSkinIds() {
        uikit::ModalAnswer modal(CollectAndCancel());
        RunMsgWnd(m_owner, L"");
        BYTE rgb[3] = {};
        RunDpiColorWnd(m_owner, uikit::FindControl(m_owner, L"owner_btn"), rgb);
        BYTE byModifiers = 0, byUsage = 0;
        RunShortcutWnd(m_owner, nullptr, byModifiers, byUsage);
        ASSERT_EQ(modal.GetCount(), 3);
    }
    static bool Load(CLanguageTable& table, const wchar_t* pszLanguage) {
        return table.LoadFromFile((GetExeFolder() + L"res\\lan\\" + pszLanguage + L".xml").c_str());
    }

    std::set<std::wstring> m_skinIds;
};

TEST_F(DialogTextsTest, EveryLanguageHasEveryText) {
    CollectSkinIds();
    EXPECT_TRUE(m_skinIds.count(L"dlg_ok_text") && m_skinIds.count(L"keyboard_win_text")) << "the skins were read";
    std::set<std::wstring> ids = m_skinIds;
    ids.insert(std::begin(kMessageIds), std::end(kMessageIds));
    // Key names: every id the key tables can ask for.
    for (int i = 0; i < 256; ++i) {
        for (const wchar_t* pszId : {VirtualKeyTextId(i), UsageTextId(i)}) {
            if (pszId != nullptr && *pszId != L'\0') ids.insert(pszId);
        }
    }
    EXPECT_TRUE(ids.count(L"key_Num Lock") && ids.count(L"Forward_Button"));
    for (const wchar_t* pszLanguage : kLanguages) {
        CLanguageTable table;
        ASSERT_TRUE(Load(table, pszLanguage));
        for (const std::wstring& sId : ids) {
            const std::wstring* pText = table.Find(sId.c_str());
            EXPECT_TRUE(pText != nullptr && !pText->empty())
                << "language " << std::string(pszLanguage, pszLanguage + wcslen(pszLanguage)) << " lacks "
                << std::string(sId.begin(), sId.end());
        }
    }
}

TEST_F(DialogTextsTest, TheDialogsSentencesAreTranslated) {
    CollectSkinIds();
    std::set<std::wstring> ids = m_skinIds;
    ids.insert(std::begin(kMessageIds), std::end(kMessageIds));
    CLanguageTable english, chinese, vietnamese;
    ASSERT_TRUE(Load(english, L"EN") && Load(chinese, L"CN") && Load(vietnamese, L"YUENAN"));
    for (const std::wstring& sId : ids) {
        if (sId.starts_with(L"keyboard_")) continue;  // key labels read the same everywhere
        const std::wstring* pEnglish = english.Find(sId.c_str());
        ASSERT_NE(pEnglish, nullptr) << std::string(sId.begin(), sId.end());
        for (const CLanguageTable* pOther : {&chinese, &vietnamese}) {
            const std::wstring* pText = pOther->Find(sId.c_str());
            EXPECT_TRUE(pText != nullptr && *pText != *pEnglish) << std::string(sId.begin(), sId.end());
        }
    }
}

}  // namespace
