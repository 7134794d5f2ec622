#include "models/pages/gen2_page.h"

#include "models/data/gen2_frames.h"

namespace {

const Gen2Model& DescriptionOf(int iModel) {
    const Gen2Model* pModel = FindGen2Model(iModel);
    return pModel != nullptr ? *pModel : *FindGen2Model(11);
}

}  // namespace

CGen2Page::CGen2Page(int iModel, const std::wstring& strDataFolder)
    : CSettingsPageT<Gen2Records>(iModel, DescriptionOf(iModel), strDataFolder) {}

void CGen2Page::InitPage() {
    InitControls();
    AddKeyRoutes();
    // The worker's queue exists before any apply can be requested.
    StartWorker();
    if (StartDriverLibrary())
        CableOpened();
    else if (m_pWiredIcon != nullptr)
        m_pWiredIcon->SetVisible(false);
    // The link itself comes up with the data (LoadData), when the mouse was found paired.
    m_bBlePaired = BleMouseFound();
    // Announced whatever the outcome, so the tabs reflect the page from the start.
    AnnounceLinks(true);
}

void CGen2Page::LoadData() {
    LoadProfiles();
    FillProfileList();
    SetBleLink(m_bBlePaired);
    RefreshControls();
}

std::vector<FrameBytes> CGen2Page::FramesFor(const ProfileRecordEx& snapshot, const ChangeFlags& changes) {
    std::vector<FrameBytes> frames;
    if (changes.bDpiChanged) frames.push_back(BuildDpiReport(m_model, snapshot));
    if (changes.bLightChanged) frames.push_back(BuildLightReport(m_model, snapshot));
    if (changes.bRateChanged) frames.push_back(BuildRateReport(m_model, snapshot));
    if (changes.bKeyChanged) frames.push_back(BuildKeyReport(m_model, snapshot));
    // A macro goes out only for a button whose function is a macro at the time of the apply.
    for (int k = 0; k < kButtonCount; ++k) {
        const KeyEntryEx& entry = snapshot.stKeys[k];
        if (!IsMacroFunctionEx(entry.byFunction) || !changes.bMacroChanged[k]) continue;
        for (FrameBytes& block : BuildMacroChain(m_model, k, entry)) frames.push_back(std::move(block));
    }
    return frames;
}
