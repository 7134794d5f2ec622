// The second-generation page's own settings controls: the set it binds (the 4K polling rates, the
// Bluetooth indicator and the light-off slider where the model has them) and the controls that
// follow the links (the light section stays hidden on a mouse without lights).
// Everything else of the settings UI is CSettingsPageT's.
#include "gen2_page.h"

using namespace DuiLib;

void CGen2Page::InitControls() {
    BindSettings({.iRateCount = m_model.iRateCount,
                  .iRateHsCount = m_model.iRateHsCount,
                  .bWireless4k = Info().Has4k(),
                  .bBle = Info().HasBle(),
                  .bLightOff = m_model.bLightOff,
                  .pszLightRowPrefix = m_model.pszLightRowPrefix});
}

void CGen2Page::UpdateLinkControls() {
    // A mouse without lights never offers the light section, whatever the link.
    if (m_model.bNoLightSection) HideSection(PageSection::Light);
    ShowLightRows();
    ShowLinkSections();
}
