// The second-generation page's settings controls: binding, the full refresh, the link-dependent
// controls, the light rows and the DPI edit highlight. The device side (gen2_page.cpp and the
// files beside it) calls these; the settings page fills them with its controls and handlers.
#include "gen2_page.h"

void CGen2Page::InitControls() {}

void CGen2Page::FillProfileList() {}

void CGen2Page::RefreshControls() {}

void CGen2Page::UpdateLinkControls() {}

void CGen2Page::ShowLightRows() {}

void CGen2Page::HighlightDpiEdit(int) {}
