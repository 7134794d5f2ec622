// A save the disk holds up never holds up the window: while another program (an indexer, an
// antivirus) keeps pro.data open and the worker's save waits to replace it, the mouse's reports
// over its receiver are handled at once on the UI thread, and both saves reach the file after.
#include "tests/gen2/gen2_page_fixture.h"

#include "tests/kit/file_kit.h"
#include "tests/kit/ui_driver.h"

#include <windows.h>

using namespace gen2test;

namespace {

class SaveOutsideLock : public Gen2PageTest {};

TEST_F(SaveOutsideLock, ReceiverReportsAreHandledWhileASaveWaitsForTheFile) {
    Start(11, kReceiver);
    Apply();
    const std::wstring strTemp = ProDataPath() + L".tmp";
    // No storage problem comes up: the file is let go long before the save gives up.
    uikit::ModalAnswer messages(uikit::ModalAnswer::Key(VK_ESCAPE));

    // Another program opens pro.data without letting it be replaced...
    const HANDLE hHeld = CreateFileW(ProDataPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    // ...while an apply ends with its save: the new bytes wait beside the file to replace it.
    const unsigned uApplies = Page().AppliesRun();
    Page().PostApply();
    PumpUntil([&] { return testkit::FileExists(strTemp); });

    // The mouse goes to stage 4 and reports it: the report is handled while the save still waits.
    MouseEvent(0x10, 4, Road::Receiver);
    bool bSaveWaiting = false;
    PumpUntil([&] {
        auto* pStage = ControlAs<DuiLib::COptionUI>(Control(L"option_dpi_step_4"));
        if (pStage == nullptr || !pStage->IsSelected()) return false;
        bSaveWaiting = testkit::FileExists(strTemp);
        return true;
    });
    EXPECT_TRUE(bSaveWaiting) << "the report waited for the save";
    CloseHandle(hHeld);

    EXPECT_TRUE(WaitForApplies(uApplies + 1));
    PumpUntil([&] {
        const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
        return pSaved != nullptr && pSaved->iCurDpi == 3;
    });
    PumpUntil([&] { return !testkit::FileExists(strTemp); });
    EXPECT_EQ(messages.GetCount(), 0) << "no save failed";
}

}  // namespace
