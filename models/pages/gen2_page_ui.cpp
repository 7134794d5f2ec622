// The second-generation page's own settings controls: the sensor modes where the model has them,
// and the controls that follow the links (the light section stays hidden on a model without one).
// Everything else of the settings UI, the controls every description gives included, is
// CSettingsPageT's.
#include "models/pages/gen2_page.h"

using namespace DuiLib;

void CGen2Page::AddOwnControls(SettingsControlSet& set) const {
    set.iSensorModeCount = m_model.iSensorModeCount;
    set.iRateHsSensorCap = m_model.iRateHsSensorCap;
}

void CGen2Page::UpdateLinkControls() {
    // A mouse without lights never offers the light section, whatever the link.
    if (m_model.bNoLightSection) HideSection(PageSection::Light);
    ShowLightRows();
    ShowLinkSections();
}

int CGen2Page::ShownLevel(int iLevel) const { return ShownBatteryLevel(m_model, iLevel); }
