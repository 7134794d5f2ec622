// The second-generation page's own settings controls: the set it binds (the 4K polling rates, and
// the Bluetooth indicator where the model has the link) and the controls that follow the links.
// Everything else of the settings UI is CSettingsPageT's.
#include "gen2_page.h"

using namespace DuiLib;

void CGen2Page::InitControls() {
    BindSettings({m_model.iRateCount, m_model.iRateHsCount, Info().Has4k(), Info().HasBle()});
}

void CGen2Page::UpdateLinkControls() {
    ShowLightRows();
    const LinkSnapshot links = Links();
    PageSectionControls& rate = m_ui.Section(PageSection::Rate);
    PageSectionControls& debounce = m_ui.Section(PageSection::KeyDebounce);
    const auto show = [](CControlUI* pControl, bool bVisible) {
        if (pControl != nullptr) pControl->SetVisible(bVisible);
    };
    const auto uncheck = [](CCheckBoxUI* pCheck) {
        if (pCheck != nullptr) pCheck->SetCheck(false);
    };
    if (links.bCable || links.bWireless || links.bWireless4k) {
        // The polling-rate section closed, ready to be opened for the link in use.
        uncheck(rate.pCheck);
        show(rate.pCheck, true);
        show(rate.pBody, false);
        show(m_ui.pRateHsBody, false);
        show(debounce.pCheck, true);
    } else if (Info().HasBle() && links.bBle) {
        // Over Bluetooth LE alone the mouse takes neither the polling rate nor the debounce.
        uncheck(rate.pCheck);
        show(rate.pCheck, false);
        show(rate.pBody, false);
        show(m_ui.pRateHsBody, false);
        uncheck(debounce.pCheck);
        show(debounce.pCheck, false);
        show(debounce.pBody, false);
    }
}
