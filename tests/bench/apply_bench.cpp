// How close an apply comes to the pace the protocol sets, for both generations. For each model
// and link in turn, the factory profile is applied (the full send after loading) to a simulated
// mouse with the real pauses: every first-generation page model (MS_10, MS_1 to MS_5), MS_11,
// MS_12, MS_14 to MS_16 and MS_18 to MS_23 over the cable and an acknowledging 2.4 GHz receiver,
// over the 4K receiver where the model has one and over Bluetooth LE (MS_11, MS_14, MS_18 to
// MS_23) in the simulated GATT world. Printed per run: the frames the mouse got,
// the wall time of the apply, the sum of the pauses the protocol asks for those frames, and their
// ratio (1.00 is the protocol's pace).
//   apply_bench.exe [rounds]      run by scripts/bench; not a test
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
#include <vector>

namespace {

enum class BenchLink { Cable, Receiver, FourK, Ble };

const char* LinkName(BenchLink eLink) {
    switch (eLink) {
        case BenchLink::Cable: return "cable";
        case BenchLink::Receiver: return "2.4 GHz";
        case BenchLink::FourK: return "4K";
        case BenchLink::Ble: return "BLE";
    }
    return "";
}

struct Run {
    int iFrames = 0;
    double dWallMs = 0;
    double dMandatedMs = 0;
};

bool IsMacroPiece(const kit::Bytes& w) { return !w.empty() && w[0] == 0x09; }

// The pauses the protocol asks for the reports one apply wrote (no frame refused or lost):
//   cable     the frame pause after each frame, the cable's piece pause after each macro piece;
//   2.4 GHz   the attempt pause after each attempt (the macro piece pause after each piece), then
//             the frame pause;
//   4K        the frame pause after each frame, the 4K piece pause after each macro piece;
//   BLE       the frame pause after each frame, and after the rate frame it leaves out.
Run Mandated(BenchLink eLink, const std::vector<kit::Bytes>& writes) {
    const DeviceTiming& t = Timing();
    Run run;
    const kit::Bytes* pPrevious = nullptr;
    bool bMacro4k = false;
    for (const kit::Bytes& w : writes) {
        bool bNewFrame = true;
        double dPieceMs = 0;
        switch (eLink) {
            case BenchLink::Cable:
                bNewFrame = !IsMacroPiece(w) || w[3] == 0;
                dPieceMs = IsMacroPiece(w) ? t.uCableMacroPieceMs : 0;
                break;
            case BenchLink::Receiver:
                // A repeat of the same report is another attempt of the same frame.
                bNewFrame = (pPrevious == nullptr || *pPrevious != w) && !(IsMacroPiece(w) && w[3] != 0);
                dPieceMs = IsMacroPiece(w) ? t.uWirelessMacroPieceMs : t.uWirelessTryPauseMs;
                break;
            case BenchLink::FourK:
                bNewFrame = w.size() > 3 && w[2] == 0;
                if (bNewFrame) bMacro4k = w[3] == 0x09;
                dPieceMs = bMacro4k ? t.uWireless4kMacroPieceMs : 0;
                break;
            case BenchLink::Ble:
                break;
        }
        if (bNewFrame) {
            ++run.iFrames;
            run.dMandatedMs += t.uFramePauseMs;
        }
        run.dMandatedMs += dPieceMs;
        pPrevious = &w;
    }
    if (eLink == BenchLink::Ble) run.dMandatedMs += t.uFramePauseMs;  // the rate frame's call
    return run;
}

// Other threads change what is waited for without always posting to this one: look often.
bool Pump(const std::function<bool()>& pred, DWORD dwMs) {
    const ULONGLONG ullEnd = GetTickCount64() + dwMs;
    while (!pred() && GetTickCount64() < ullEnd) uikit::PumpUntil(pred, 1);
    return pred();
}

std::vector<kit::Bytes> DataOf(const std::vector<kit::WrittenReport>& reports) {
    std::vector<kit::Bytes> data;
    for (const kit::WrittenReport& r : reports) data.push_back(r.data);
    return data;
}

Run Measure(int iModel, BenchLink eLink, const std::wstring& strFolder) {
    kit::ResetWorld();
    blekit::SimBleWorld ble;
    const ModelInfo& info = *FindModel(iModel);
    kit::CableMouse cable;
    kit::Receiver receiver;
    if (eLink == BenchLink::Cable) cable = kit::PlugCableMouse(info.wCablePid);
    if (eLink == BenchLink::Receiver) receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    if (eLink == BenchLink::FourK) receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    if (eLink == BenchLink::Ble) {
        kit::PlugBluetoothMouse(info.wBlePid);
        ble.AddDevice(blekit::MouseDevice(BleProductMatch(iModel), L"d0c5f3a1b2c4"));
    }

    CApplyPage* pPage = nullptr;
    auto pWnd = std::make_unique<MainWindow>(false, [&](int n) -> std::unique_ptr<CPageBase> {
        if (n != iModel) return nullptr;
        std::unique_ptr<CApplyPage> p;
        if (info.iGeneration == 1)
            p = std::make_unique<CGen1Page>(n, strFolder);
        else
            p = std::make_unique<CGen2Page>(n, strFolder);
        pPage = p.get();
        return p;
    });
    if (eLink == BenchLink::Receiver || eLink == BenchLink::FourK) {
        if (eLink == BenchLink::Receiver) kit::AcknowledgeWrites(receiver.commandId, receiver.eventId, info.byIdByte);
        kit::QueueEvent(receiver.eventId, info.byIdByte, 0x40, 0x5001);  // identifies (and wakes) the mouse
        const LinkKind eKind = eLink == BenchLink::Receiver ? LinkKind::Wireless : LinkKind::Wireless4k;
        auto* pGen1 = dynamic_cast<CGen1Page*>(pPage);
        Pump([&] { return pPage->LinkUp(eKind) && (pGen1 == nullptr || !pGen1->Sleeping()); }, 10000);
    }
    simhid_clear_writes();
    const size_t uBleBefore = ble.ValueWrites().size();
    const unsigned uRuns = pPage->AppliesRun();
    const ULONGLONG ullStart = GetTickCount64();
    ::PostMessageW(pWnd->hwnd(), PageMsgBase(iModel) + WM_PAGE_APPLY_OFFSET, 0, 0);
    Pump([&] { return pPage->AppliesRun() > uRuns; }, 120000);
    const double dWall = static_cast<double>(GetTickCount64() - ullStart);

    std::vector<kit::Bytes> writes;
    if (eLink == BenchLink::Cable) writes = DataOf(kit::WritesTo(cable.id));
    if (eLink == BenchLink::Receiver || eLink == BenchLink::FourK) writes = DataOf(kit::WritesTo(receiver.commandId));
    const std::vector<blekit::ValueWrite> bleWrites = ble.ValueWrites();
    for (size_t i = uBleBefore; i < bleWrites.size(); ++i) writes.push_back(bleWrites[i].data);
    Run run = Mandated(eLink, writes);
    run.dWallMs = dWall;
    pWnd.reset();
    kit::ResetWorld();
    return run;
}

const int kModels[] = {10, 1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 14, 16, 18, 19, 20, 22, 23, 15, 21};

// The links a model's mouse can be reached by, in the order they are measured.
std::vector<BenchLink> LinksOf(const ModelInfo& info) {
    std::vector<BenchLink> links = {BenchLink::Cable, BenchLink::Receiver};
    if (info.Has4k()) links.push_back(BenchLink::FourK);
    if (info.HasBle()) links.push_back(BenchLink::Ble);
    return links;
}

}  // namespace

int main(int argc, char** argv) {
    const int iRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    Timing() = DeviceTiming{};
    Timing().uReceiverArrivalMs = 30;
    FreshSettingsFile();
    const std::wstring strFolder = GetExeFolder() + L"bench_data\\";
    CreateDirectoryW(strFolder.c_str(), nullptr);

    std::printf("%-6s %-9s %6s %10s %12s %7s\n", "model", "link", "frames", "wall ms", "pauses ms", "ratio");
    double dWorst = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        for (int iModel : kModels) {
            for (BenchLink eLink : LinksOf(*FindModel(iModel))) {
                // Each run starts from the factory profile.
                DeleteFileW((strFolder + DataFolderName(iModel) + L"\\pro.data").c_str());
                const Run run = Measure(iModel, eLink, strFolder);
                const double dRatio = run.dMandatedMs > 0 ? run.dWallMs / run.dMandatedMs : 0;
                dWorst = std::max(dWorst, dRatio);
                std::printf("MS_%-3d %-9s %6d %10.0f %12.0f %7.3f\n", iModel, LinkName(eLink), run.iFrames,
                            run.dWallMs, run.dMandatedMs, dRatio);
                std::fflush(stdout);
            }
        }
    }
    std::printf("worst ratio %.3f (aim: at most 1.02)\n", dWorst);
    return 0;
}
