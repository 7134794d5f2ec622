// A data file that cannot be written, or could not be read at start, is told to the person once
// per run (in their language), not only traced; a file that could not be read is never written
// over.
#include "tests/gen2/gen2_page_fixture.h"

#include "tests/kit/file_kit.h"
#include "tests/kit/ui_driver.h"

#include <windows.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

// Holds a file open as another program may: without letting anyone read, write or replace it.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& strPath)
        : m_h(CreateFileW(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return m_h != INVALID_HANDLE_VALUE; }
    void Release() {
        if (m_h != INVALID_HANDLE_VALUE) CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_h;
};

class StorageAlert : public Gen2PageTest {
protected:
    // Answers every message box with OK and keeps the text it showed.
    StorageAlert()
        : m_answer([this](DuiLib::CWindowWnd& wnd) {
              if (std::wstring(wnd.GetWindowClassName()) != L"MsgWnd") return;
              if (DuiLib::CControlUI* pText = uikit::FindControl(wnd.GetHWND(), L"warning")) m_messages.push_back(pText->GetText().GetData());
              uikit::Click(wnd.GetHWND(), L"btn_ok");
          }) {}
    static std::wstring Text(const wchar_t* pszId) { return DuiLib::CResourceManager::GetInstance()->GetText(pszId).GetData(); }

    std::vector<std::wstring> m_messages;
    uikit::ModalAnswer m_answer;
};

TEST_F(StorageAlert, AFailedSaveIsToldOncePerRun) {
    Start(11, kCable);
    Apply();
    ASSERT_TRUE(m_messages.empty());
    HeldFile held(ProDataPath());
    ASSERT_TRUE(held.Held());
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE("save " + std::to_string(i));
        Page().Edit([i](ProfileRecordEx& p) { p.iRate = i; });
        Apply();
        uikit::PumpUntilIdle(300);
    }
    ASSERT_EQ(m_messages.size(), 1u) << "told once, not at every failed save";
    EXPECT_EQ(m_messages[0], Text(L"save_failed_text"));
    EXPECT_FALSE(m_messages[0].empty());
    held.Release();
    // Once the file is free again, the next save goes through, and the run says nothing more.
    Apply();
    EXPECT_EQ(SavedCurrentProfile()->iRate, 2);
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(StorageAlert, AFileThatCouldNotBeReadIsToldOnceAndNeverWrittenOver) {
    // A start with both files in place...
    Start(11, kCable);
    Apply();
    Page().Edit([](ProfileRecordEx& p) { p.iRate = 2; });
    Apply();
    const std::wstring strMacros = m_data / L"ms_11\\macro.data";
    ASSERT_TRUE(testkit::WriteBytes(strMacros, {}));
    Window()->OnMenuClick(L"exit");
    CloseWindow();
    const std::vector<uint8_t> proData = testkit::ReadBytes(ProDataPath());
    ASSERT_FALSE(proData.empty());

    // ...and the next one while another program holds both: one message for the run.
    HeldFile heldProfiles(ProDataPath());
    HeldFile heldMacros(strMacros);
    ASSERT_TRUE(heldProfiles.Held() && heldMacros.Held());
    Start(11, kNoLink);
    uikit::PumpUntilIdle(300);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], Text(L"load_failed_text"));
    heldProfiles.Release();
    heldMacros.Release();

    // What this run changes stays in it: neither the saves nor the end write over the file.
    Page().Edit([](ProfileRecordEx& p) { p.iRate = 0; });
    Apply();
    Window()->OnMenuClick(L"exit");
    EXPECT_EQ(testkit::ReadBytes(ProDataPath()), proData);
    EXPECT_EQ(m_messages.size(), 1u) << "a file kept as it is is no failed save";
}

}  // namespace
