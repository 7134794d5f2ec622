#include "models/pages/gen2_page.h"

#include "models/data/gen2_frames.h"

void CGen2Page::NoCableAtStart() {
    if (m_pWiredIcon != nullptr) m_pWiredIcon->SetVisible(false);
}

FrameBytes CGen2Page::KeyFrame(const ProfileRecordEx& snapshot) const { return BuildKeyReport(m_model, snapshot); }

void CGen2Page::AppendMacroFrames(std::vector<FrameBytes>& frames, int k, const KeyEntryEx& entry) const {
    if (!IsMacroFunctionEx(entry.byFunction)) return;
    for (FrameBytes& block : BuildMacroChain(m_model, k, entry)) frames.push_back(std::move(block));
}
