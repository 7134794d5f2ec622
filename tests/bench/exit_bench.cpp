// How long the program takes to end once its window closes (the tray's "Exit"), with the real
// pages of MS_10 on its cable and MS_11 on Bluetooth LE: first with both mice answering, then
// with MS_10's cable write wedged and MS_11's Bluetooth write held up, each page's worker stuck
// inside its write. Printed per run: both times in milliseconds and their ratio; the end must not
// wait for the devices (aim: under 2000 ms whatever they do).
//   exit_bench.exe [runs]      run by scripts/bench; not a test
#include "core/devices/device_timing.h"
#include "models/pages/gen1_page.h"
#include "models/pages/gen2_page.h"
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/ble/sim_ble_world.h"
#include "tests/kit/sim_devices.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

bool Pump(const std::function<bool()>& pred, DWORD dwMs) {
    const ULONGLONG ullEnd = GetTickCount64() + dwMs;
    while (!pred()) {
        if (GetTickCount64() > ullEnd) return false;
        uikit::PumpUntil(pred, 10);
    }
    return true;
}

// One program's end, in milliseconds from the tray's "Exit" to the window object gone.
double MeasureExit(bool bWedged, const std::wstring& strFolder) {
    kit::ResetWorld();
    blekit::SimBleWorld ble;
    const kit::CableMouse cable = kit::PlugCableMouse(FindModel(10)->wCablePid);
    kit::PlugBluetoothMouse(FindModel(11)->wBlePid);
    ble.AddDevice(blekit::MouseDevice(BleProductMatch(11), L"d0c5f3a1b2c4"));

    CApplyPage* pages[2] = {};
    auto pWnd = std::make_unique<MainWindow>(false, [&](int n) -> std::unique_ptr<CPageBase> {
        if (n == 10) {
            auto p = std::make_unique<CGen1Page>(n, strFolder);
            pages[0] = p.get();
            return p;
        }
        if (n == 11) {
            auto p = std::make_unique<CGen2Page>(n, strFolder);
            pages[1] = p.get();
            return p;
        }
        return nullptr;
    });
    // Both mice have had their first apply.
    for (CApplyPage* pPage : pages) {
        const unsigned uRuns = pPage->AppliesRun();
        ::PostMessageW(pWnd->hwnd(), PageMsgBase(pPage->Model()) + WM_PAGE_APPLY_OFFSET, 0, 0);
        Pump([&] { return pPage->AppliesRun() > uRuns; }, 60000);
    }
    if (bWedged) {
        simhid_hold_writes(cable.id, 1);
        ble.HoldValueWrites(true);
        for (CApplyPage* pPage : pages) {
            pPage->RequestResendAll();
            ::PostMessageW(pWnd->hwnd(), PageMsgBase(pPage->Model()) + WM_PAGE_APPLY_OFFSET, 0, 0);
        }
        Pump([&] { return simhid_held_writes(cable.id) > 0 && ble.HeldValueWrites() > 0; }, 10000);
    }

    const HWND hWnd = pWnd->hwnd();
    const ULONGLONG ullStart = GetTickCount64();
    (*pWnd)->OnMenuClick(L"exit");
    Pump([&] { return !::IsWindow(hWnd); }, 60000);
    pWnd.reset();
    const double dMs = static_cast<double>(GetTickCount64() - ullStart);

    // The devices let go; the workers left behind finish before the world goes.
    simhid_hold_writes(cable.id, 0);
    ble.HoldValueWrites(false);
    Pump([&] { return simhid_held_writes(cable.id) == 0 && ble.HeldValueWrites() == 0; }, 10000);
    Sleep(200);
    kit::ResetWorld();
    return dMs;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int iRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    Timing() = DeviceTiming{};
    Timing().uBleSubscribeMs = 20;
    FreshSettingsFile();
    const std::wstring strFolder = GetExeFolder() + L"bench_data\\";
    CreateDirectoryW(strFolder.c_str(), nullptr);

    std::printf("%-4s %14s %14s %7s\n", "run", "answering ms", "wedged ms", "ratio");
    std::vector<double> clean, wedged;
    for (int i = 0; i < iRuns; ++i) {
        clean.push_back(MeasureExit(false, strFolder));
        wedged.push_back(MeasureExit(true, strFolder));
        std::printf("%-4d %14.0f %14.0f %7.2f\n", i + 1, clean.back(), wedged.back(),
                    clean.back() > 0 ? wedged.back() / clean.back() : 0);
        std::fflush(stdout);
    }
    std::printf("median: answering %.0f ms, wedged %.0f ms (aim: under 2000 ms)\n", Median(clean), Median(wedged));
    return 0;
}
