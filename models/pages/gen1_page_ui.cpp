// The first-generation page's own part of the settings UI: the controls its description binds,
// the rate label of the models that have one, and the controls that follow its links. Everything
// else of the settings UI is CSettingsPageT's.
#include "models/pages/gen1_page.h"

#include <string>

using namespace DuiLib;

void CGen1Page::InitControls() {
    BindSettings({.iRateCount = m_model.iRateCount,
                  .iRateHsCount = m_model.iRateHsCount,
                  .bWireless4k = Info().Has4k(),
                  .bBle = Info().HasBle(),
                  .bSleepingLabel = true,
                  .bLightOff = m_model.bLightOff,
                  .pszLightRowPrefix = m_model.pszLightRowPrefix});
    AddKeyRoutes();
}

void CGen1Page::ShowRateLabel(int iRate) {
    if (m_ui.pRateLabel == nullptr || m_model.bNoRateLabel) return;
    m_ui.pRateLabel->SetResourceText(true);
    m_ui.pRateLabel->SetText(iRate >= 0 && iRate < kRateOptionMax ? NumberedSuffix(L"prate_%d_text", iRate + 1).c_str() : L"");
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
