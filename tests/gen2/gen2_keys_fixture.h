// Button functions on a second-generation page as a person uses them: the program's main window
// with the real page of a model on the simulated device world, key buttons clicked to open the
// button-function menu, items chosen there, the dialogs that follow answered (the shortcut
// dialog, the macro picker, messages), the macro editor opened from the page's macro button, and
// what reached the mouse and the data files read back.
#pragma once

#include "tests/gen2/gen2_page_fixture.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace gen2test {

using pagetest::KeyBytes;
using pagetest::Slice;

class Gen2KeysTest : public Gen2PageTest {
protected:
    using DialogAnswer = std::function<void(HWND, const std::wstring& strClass)>;

    // The data files the page starts from, written before it starts.
    Gen2Storage Files() const;
    // pro.data with two default profiles, edited, and macro.data with `macros`; then Begin.
    void StartWith(int iModel, const MacroListEx& macros, const std::function<void(ProfileListEx&)>& edit,
                   unsigned links = kCable);
    // The window with the model's page in front over `links`, the load's full send done and its
    // key frame kept, so each test sees only what it changes.
    void Begin(int iModel, unsigned links = kCable);

    std::wstring Prefix() const { return ControlPrefix(Model()); }
    DuiLib::CControlUI* Control(const std::wstring& strSuffix);
    DuiLib::CControlUI* KeyButton(int n) { return Control(L"btn_key_" + std::to_wstring(n)); }
    std::wstring Caption(int n) { return KeyButton(n)->GetText().GetData(); }
    bool CaptionIsTextId(int n) { return KeyButton(n)->IsResourceText(); }
    static std::wstring Text(const wchar_t* pszId);

    // Clicks key button n; the menu it opened, or nullptr.
    HWND OpenMenu(int n);
    // Button n's menu, then a click on its item (the name without the page's prefix). Messages
    // are answered with OK, their titles and texts kept in m_messages; other dialogs are answered by
    // `answer`. m_dialogs: the window classes of the dialogs that came up.
    void Choose(int n, const std::wstring& strItem, const DialogAnswer& answer = {});
    // Button n's menu, then a menu command of this full item name reaching the main window as
    // a menu posts it (for a name the menu does not show).
    void Command(int n, const std::wstring& strName, const DialogAnswer& answer = {});
    // Runs the macro editor from the page's macro button; `edit` works in it before it is
    // closed with its exit button. Messages are answered with OK.
    void EditMacros(const std::function<void(HWND)>& edit);

    // Waits for the apply a change requested; what the mouse got over the cable, or else over the
    // 2.4 GHz receiver (its repeats taken as one); the key frame kept.
    std::vector<kit::Bytes> AppliedWrites();
    // The key frame among writes (empty when none), and whether every button but those changed
    // (1-based) kept the bytes of the key frame sent before the last apply.
    static kit::Bytes KeyFrameOf(const std::vector<kit::Bytes>& writes);
    bool OthersKept(const kit::Bytes& frame, std::initializer_list<int> changed) const;

    KeyEntryEx Button(int n) { return Page().CurrentProfileCopy().stKeys[n - 1]; }
    ProfileListEx ProfilesOnDisk() const;
    MacroListEx MacrosOnDisk() const;

    std::vector<std::wstring> m_dialogs;
    std::vector<std::wstring> m_messages;
    kit::Bytes m_lastKeyFrame;    // the key frame last sent
    kit::Bytes m_keyFrameBefore;  // the one before the last apply
    unsigned m_uApplies = 0;

private:
    void Answering(const std::function<void()>& act, const DialogAnswer& answer);
};

}  // namespace gen2test
