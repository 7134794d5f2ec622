// The program ends whatever a device does: with the worker stuck inside a Bluetooth write that
// takes its time, or inside a cable write that never returns, the window's end does not wait for
// it, and the page has saved what it held.
#include "tests/gen2/gen2_page_fixture.h"

#include "tests/kit/ui_driver.h"

#include <windows.h>

#include <thread>

using namespace gen2test;

namespace {

class WedgedExit : public Gen2PageTest, public ::testing::WithParamInterface<unsigned> {
protected:
    int HeldWrites() { return GetParam() == kBle ? m_ble.HeldValueWrites() : simhid_held_writes(m_cable.id); }
    void Hold(bool bHold) {
        if (GetParam() == kBle)
            m_ble.HoldValueWrites(bHold);
        else
            simhid_hold_writes(m_cable.id, bHold ? 1 : 0);
    }
};

TEST_P(WedgedExit, TheEndDoesNotWaitForTheDeviceAndThePageHasSaved) {
    Start(11, GetParam());
    Apply();
    Hold(true);
    Page().Edit([](ProfileRecordEx& p) { p.iDebounce = 9; });
    Page().PostApply();
    PumpUntil([&] { return HeldWrites() > 0; });

    // A device that lets go after a while: an end that waited for it would come only then.
    const HANDLE hLetGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread device([this, hLetGo] {
        WaitForSingleObject(hLetGo, 10000);
        Hold(false);
    });
    const HWND hMain = Window().hwnd();
    Window()->OnMenuClick(L"exit");
    PumpUntil([&] { return !::IsWindow(hMain); });
    CloseWindow();
    EXPECT_GT(HeldWrites(), 0) << "the end came while the device still held the write";
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iDebounce, 9) << "the page saved what it held";

    // The device lets go: the worker left behind finishes on a page that is still there.
    SetEvent(hLetGo);
    device.join();
    CloseHandle(hLetGo);
    PumpUntil([&] { return HeldWrites() == 0; });
    Poll([] { return false; }, 200);
}

INSTANTIATE_TEST_SUITE_P(SlowBluetoothAndWedgedCable, WedgedExit, ::testing::Values(kBle, kCable),
                         [](const ::testing::TestParamInfo<unsigned>& info) { return LinkName(info.param); });

}  // namespace
