#include "models/pages/gen1_page.h"

#include "models/data/gen1_frames.h"

CGen1Page::CGen1Page(int iModel, const std::wstring& strDataFolder)
    : CSettingsPageT<Gen1Records>(iModel, strDataFolder) {
    m_sendPolicy.bPauseAfterEveryCall = m_model.bPauseAfterEveryFrame;
    m_applyPolicy.bRearms4kTimer = Info().Has4k() && m_model.bApplyRearms4kTimer;
}

void CGen1Page::NoCableAtStart() { SetSleeping(true); }

FrameBytes CGen1Page::KeyFrame(const ProfileRecord& snapshot) const { return BuildKeyReport(snapshot); }

void CGen1Page::AppendMacroFrames(std::vector<FrameBytes>& frames, int k, const KeyEntry& entry) const {
    if (entry.byFunction == kFunctionMacro) frames.push_back(BuildMacroReport(m_model, k + 1, entry));
}
