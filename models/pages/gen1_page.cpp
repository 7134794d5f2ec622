#include "models/pages/gen1_page.h"

#include "models/data/gen1_frames.h"

namespace {

const Gen1Model& DescriptionOf(int iModel) {
    const Gen1Model* pModel = FindGen1Model(iModel);
    return pModel != nullptr ? *pModel : *FindGen1Model(10);
}

}  // namespace

CGen1Page::CGen1Page(int iModel, const std::wstring& strDataFolder)
    : CSettingsPageT<Gen1Records>(iModel, DescriptionOf(iModel), strDataFolder) {
    m_sendPolicy.bPauseAfterEveryCall = m_model.bPauseAfterEveryFrame;
    m_applyPolicy.bRearms4kTimer = Info().Has4k() && m_model.bApplyRearms4kTimer;
}

void CGen1Page::InitPage() {
    InitControls();
    // The worker's queue exists before any apply can be requested.
    StartWorker();
    if (StartDriverLibrary())
        CableOpened();
    else
        SetSleeping(true);
    // The Bluetooth link itself comes up with the data (LoadData), when the mouse was found paired.
    m_bBlePaired = BleMouseFound();
    // Announced whatever the outcome, so the tabs reflect the page from the start.
    AnnounceLinks(true);
}

void CGen1Page::LoadData() {
    LoadProfiles();
    FillProfileList();
    // Down when the mouse is not paired, which also ends the charging animation.
    SetBleLink(m_bBlePaired);
    RefreshControls();
}

std::vector<FrameBytes> CGen1Page::FramesFor(const ProfileRecord& snapshot, const ChangeFlags& changes) {
    std::vector<FrameBytes> frames;
    if (changes.bDpiChanged) frames.push_back(BuildDpiReport(m_model, snapshot));
    if (changes.bLightChanged) frames.push_back(BuildLightReport(m_model, snapshot));
    if (changes.bRateChanged) frames.push_back(BuildRateReport(m_model, snapshot));
    if (changes.bKeyChanged) frames.push_back(BuildKeyReport(snapshot));
    // A macro goes out only for a button whose function is a macro at the time of the apply.
    for (int k = 0; k < kButtonCount; ++k) {
        const KeyEntry& entry = snapshot.stKeys[k];
        if (entry.byFunction == kFunctionMacro && changes.bMacroChanged[k])
            frames.push_back(BuildMacroReport(m_model, k + 1, entry));
    }
    return frames;
}
