// What the first-generation page's link-dependent settings follow: which links show them, and
// how many polling rates the links up allow. Some models reach their highest rates over the 4K
// receiver alone; while the cable or the 2.4 GHz receiver is up those rates are not offered,
// and a profile that holds one falls back to the highest rate those links take. The change is
// the profile's own, so the next apply sends it.
#include "models/pages/gen1_page.h"

#include <algorithm>

bool CGen1Page::LinkControlsShown() const {
    if (WiredState() == 1) return true;
    switch (m_model.eLinkControls) {
        case LinkControlsOn::CableOrReceiver: return LinkUp(LinkKind::Wireless);
        case LinkControlsOn::AnyLink: return LinkUp(LinkKind::Wireless) || LinkUp(LinkKind::Wireless4k);
    }
    return false;
}

int CGen1Page::FitRateToLinks() {
    const bool bSlowLink = WiredState() == 1 || LinkUp(LinkKind::Wireless);
    const int iSlowRates = m_model.iRatesOnSlowLinks > 0 ? m_model.iRatesOnSlowLinks : m_model.iRateCount;
    const int iAllowed = bSlowLink ? iSlowRates : m_model.iRateCount;
    m_store.Edit([iAllowed](ProfileRecord& p) {
        if (p.iRate >= iAllowed) p.iRate = iAllowed - 1;
    });
    return iAllowed;
}

void CGen1Page::ShowRatesForLinks() {
    const int iAllowed = FitRateToLinks();
    if (m_model.iRatesOnSlowLinks >= m_model.iRateCount) return;
    for (int i = 0; i < m_model.iRateCount && i < kRateOptionMax; ++i)
        if (m_ui.rates[i] != nullptr) m_ui.rates[i]->SetVisible(i < iAllowed);
    // The row of the rates the links leave out goes with them, so the section closes up.
    const int iFirstLeftOut = std::min(m_model.iRatesOnSlowLinks, kRateOptionMax - 1);
    if (iFirstLeftOut > 0 && m_ui.rates[iFirstLeftOut] != nullptr) {
        if (DuiLib::CControlUI* pRow = m_ui.rates[iFirstLeftOut]->GetParent()) pRow->SetVisible(iAllowed > iFirstLeftOut);
        FitHeightToShownChildren(m_ui.Section(PageSection::Rate).pBody);
    }
    const int32_t iRate = CurrentProfileCopy().iRate;
    if (iRate >= 0 && iRate < iAllowed && m_ui.rates[iRate] != nullptr) m_ui.rates[iRate]->Selected(true, false);
}
