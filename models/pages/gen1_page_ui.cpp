// The first-generation page's own part of the settings UI: the sleeping mouse's label,
// the rate label of the models that have one, and the controls that follow its links. Everything
// else of the settings UI is CSettingsPageT's.
#include "models/pages/gen1_page.h"

#include <string>

using namespace DuiLib;

void CGen1Page::AddOwnControls(SettingsControlSet& set) const { set.bSleepingLabel = true; }

void CGen1Page::ShowRateLabel(int iRate) {
    if (m_ui.pRateLabel == nullptr || m_model.bNoRateLabel) return;
    m_ui.pRateLabel->SetResourceText(true);
    m_ui.pRateLabel->SetText(iRate >= 0 && iRate < kRateOptionMax ? NumberedName(L"prate_%d_text", iRate + 1).c_str() : L"");
}

void CGen1Page::UpdateLinkControls() {
    ShowRatesForLinks();
    if (m_model.eLinkControls == LinkControlsOn::EachLink) {
        ShowSectionsOfEachLink();
        return;
    }
    if (!LinkControlsShown()) return;
    if (m_ui.pLightCombo != nullptr) m_ui.pLightCombo->SetVisible(true);
    for (PageSection eSection : {PageSection::Rate, PageSection::Power, PageSection::KeyDebounce}) {
        if (CCheckBoxUI* pCheck = m_ui.Section(eSection).pCheck) pCheck->SetVisible(true);
        ShowSectionBody(eSection);
    }
    ShowLightRows();
}

void CGen1Page::ShowSectionsOfEachLink() {
    const PageSectionControls& power = m_ui.Section(PageSection::Power);
    if (m_model.bNoLightSection) {
        HideSection(PageSection::Light);
    } else {
        ShowLightRows();
    }
    if (Links().Any()) {
        // Lights and battery are there on every link.
        if (m_ui.pLightCombo != nullptr) m_ui.pLightCombo->SetVisible(!m_model.bNoLightSection);
        if (power.pCheck != nullptr) power.pCheck->SetVisible(true);
        ShowSectionBody(PageSection::Power);
    }
    ShowLinkSections();
}
