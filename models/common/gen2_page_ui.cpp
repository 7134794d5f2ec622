// The second-generation page's own settings controls: the set it binds (the 4K polling rates, and
// the Bluetooth indicator where the model has the link) and the controls that follow the links
// (the light section stays hidden on a model without lights).
// Everything else of the settings UI is CSettingsPageT's.
#include "gen2_page.h"

using namespace DuiLib;

void CGen2Page::InitControls() {
    BindSettings({m_model.iRateCount, m_model.iRateHsCount, Info().Has4k(), Info().HasBle()});
}

void CGen2Page::UpdateLinkControls() {
    if (m_model.bNoLightSection) HideSection(PageSection::Light);
    ShowLightRows();
    ShowLinkSections();
}
