// How close an apply comes to the pace the protocol sets. For each first-generation model in turn,
// the factory profile is applied (the full send after loading) to a simulated mouse over the
// cable, over a 2.4 GHz receiver whose mouse acknowledges and, for the models that have one, over
// the 4K receiver, with the real pauses. Printed per run:
// the frames the mouse got, the wall time of the apply, the sum of the pauses the protocol asks
// for those frames, and their ratio (1.00 is the protocol's own pace).
//   gen1_apply_bench.exe [rounds]      run by scripts/bench; not a test
#include "device_timing.h"
#include "gen1_page.h"
#include "main_window_fixture.h"
#include "sim_devices.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

enum class Over { Cable, Receiver, FourK };

const char* NameOf(Over eOver) {
    switch (eOver) {
        case Over::Cable: return "cable";
        case Over::Receiver: return "2.4 GHz";
        case Over::FourK: return "4K";
    }
    return "";
}

struct Run {
    int iModel;
    Over eOver;
    int iFrames;
    double dWallMs;
    double dMandatedMs;
};

// The pauses the protocol asks for the reports one apply wrote: over the cable 500 ms after each
// frame the mouse took and 200 ms after each macro piece; over the receiver 500 ms after each
// attempt (1,000 ms after each macro piece) and 500 ms after each frame; over the 4K receiver
// 200 ms after each macro report and 500 ms after each frame.
double MandatedMs(const std::vector<kit::WrittenReport>& writes, Over eOver, int* piFrames) {
    const DeviceTiming& t = Timing();
    double dMs = 0;
    int iFrames = 0;
    if (eOver == Over::FourK) {
        for (const kit::WrittenReport& w : writes) {
            const bool bMacro = w.data.size() > 3 && (w.data[3] == 0x09 || w.data[2] != 0);
            if (w.data.size() > 2 && w.data[2] == 0) {
                ++iFrames;
                dMs += t.uFramePauseMs;
            }
            if (bMacro) dMs += t.uWireless4kMacroPieceMs;
        }
        *piFrames = iFrames;
        return dMs;
    }
    const bool bCable = eOver == Over::Cable;
    const kit::Bytes* pPrevious = nullptr;
    for (const kit::WrittenReport& w : writes) {
        const bool bMacroPiece = !w.data.empty() && w.data[0] == 0x09;
        const bool bNewFrame = bCable ? !bMacroPiece || w.data[3] == 0 : pPrevious == nullptr || *pPrevious != w.data;
        if (bNewFrame && !(bMacroPiece && !bCable && w.data[3] != 0)) {
            ++iFrames;
            dMs += t.uFramePauseMs;
        }
        if (bCable)
            dMs += bMacroPiece ? t.uCableMacroPieceMs : 0;
        else
            dMs += bMacroPiece ? t.uWirelessMacroPieceMs : t.uWirelessTryPauseMs;
        pPrevious = &w.data;
    }
    *piFrames = iFrames;
    return dMs;
}

class CBenchPage : public CGen1Page {
public:
    CBenchPage(int iModel, std::wstring strFolder) : CGen1Page(iModel, std::move(strFolder)) {}
    using CGen1Page::PostApply;
};

// Other threads change what is waited for without always posting to this one: look often.
bool Pump(const std::function<bool()>& pred, DWORD dwMs) {
    const ULONGLONG ullEnd = GetTickCount64() + dwMs;
    while (!pred() && GetTickCount64() < ullEnd) uikit::PumpUntil(pred, 1);
    return pred();
}

Run Measure(int iModel, Over eOver, const std::wstring& strFolder) {
    kit::ResetWorld();
    kit::CableMouse cable;
    kit::Receiver receiver;
    const uint8_t byId = FindModel(iModel)->byIdByte;
    const bool bCable = eOver == Over::Cable;
    if (bCable) cable = kit::PlugCableMouse(FindModel(iModel)->wCablePid);
    else receiver = kit::PlugReceiver(eOver == Over::FourK ? kit::ReceiverKind::Wireless4k : kit::ReceiverKind::Wireless);

    CBenchPage* pPage = nullptr;
    auto pWnd = std::make_unique<MainWindow>(false, [&](int n) -> std::unique_ptr<CPageBase> {
        if (n != iModel) return nullptr;
        auto p = std::make_unique<CBenchPage>(n, strFolder);
        pPage = p.get();
        return p;
    });
    if (eOver == Over::Receiver) {
        kit::AcknowledgeWrites(receiver.commandId, receiver.eventId, byId);
        kit::QueueEvent(receiver.eventId, byId, 0x40, 0x5001);  // identifies and wakes the mouse
        Pump([&] { return pPage->WirelessDevice() != nullptr && !pPage->Sleeping(); }, 10000);
    }
    if (eOver == Over::FourK) {
        kit::QueueEvent(receiver.eventId, byId, 0x40, 0x5001);
        Pump([&] { return pPage->Wireless4kDevice() != nullptr && !pPage->Sleeping(); }, 10000);
    }
    simhid_clear_writes();
    const unsigned uRuns = pPage->AppliesRun();
    const ULONGLONG ullStart = GetTickCount64();
    pPage->PostApply();
    Pump([&] { return pPage->AppliesRun() > uRuns; }, 120000);
    const double dWall = static_cast<double>(GetTickCount64() - ullStart);

    Run run{iModel, eOver, 0, dWall, 0};
    run.dMandatedMs = MandatedMs(kit::WritesTo(bCable ? cable.id : receiver.commandId), eOver, &run.iFrames);
    pWnd.reset();
    kit::ResetWorld();
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const int iRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    Timing() = DeviceTiming{};
    Timing().uReceiverPollMs = 1;  // the receiver's reports are read as they come
    Timing().uReceiverArrivalMs = 30;
    FreshSettingsFile();
    const std::wstring strFolder = GetExeFolder() + L"bench_data\\";
    CreateDirectoryW(strFolder.c_str(), nullptr);

    std::printf("%-6s %-9s %6s %10s %12s %7s\n", "model", "link", "frames", "wall ms", "pauses ms", "ratio");
    double dWorst = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        for (int iModel : {10, 1, 2, 3, 4, 5}) {
            for (Over eOver : {Over::Cable, Over::Receiver, Over::FourK}) {
                if (eOver == Over::FourK && !FindModel(iModel)->Has4k()) continue;
                // Each run starts from the factory profile.
                DeleteFileW((strFolder + DataFolderName(iModel) + L"\\pro.data").c_str());
                const Run run = Measure(iModel, eOver, strFolder);
                const double dRatio = run.dMandatedMs > 0 ? run.dWallMs / run.dMandatedMs : 0;
                dWorst = std::max(dWorst, dRatio);
                std::printf("MS_%-3d %-9s %6d %10.0f %12.0f %7.3f\n", run.iModel, NameOf(run.eOver),
                            run.iFrames, run.dWallMs, run.dMandatedMs, dRatio);
                std::fflush(stdout);
            }
        }
    }
    std::printf("worst ratio %.3f (aim: at most 1.02)\n", dWorst);
    return 0;
}
