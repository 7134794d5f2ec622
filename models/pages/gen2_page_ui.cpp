// The second-generation page's own settings controls: the set it binds (the 4K polling rates, the
// Bluetooth indicator where the model has the link, the light-off slider and the sensor modes where
// the model has them) and the controls that follow the links (the light section stays hidden on a
// model without one).
// Everything else of the settings UI is CSettingsPageT's.
#include "models/pages/gen2_page.h"

using namespace DuiLib;

void CGen2Page::InitControls() {
    BindSettings({.iRateCount = m_model.iRateCount,
                  .iRateHsCount = m_model.iRateHsCount,
                  .bWireless4k = Info().Has4k(),
                  .bBle = Info().HasBle(),
                  .bLightOff = m_model.bLightOff,
                  .pszLightRowPrefix = m_model.pszLightRowPrefix,
                  .iSensorModeCount = m_model.iSensorModeCount,
                  .iRateHsSensorCap = m_model.iRateHsSensorCap});
}

void CGen2Page::UpdateLinkControls() {
    // A mouse without lights never offers the light section, whatever the link.
    if (m_model.bNoLightSection) HideSection(PageSection::Light);
    ShowLightRows();
    ShowLinkSections();
}

int CGen2Page::ShownLevel(int iLevel) const { return ShownBatteryLevel(m_model, iLevel); }
