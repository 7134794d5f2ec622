// The first-generation page's settings controls: binding, the full refresh, the link-dependent
// controls and the DPI edit highlight. The device side (gen1_page.cpp, gen1_page_events.cpp)
// calls these; the settings page fills them with its controls and handlers.
#include "gen1_page.h"

void CGen1Page::InitControls() {}

void CGen1Page::FillProfileList() {}

void CGen1Page::RefreshControls() {}

void CGen1Page::UpdateLinkControls() {}

void CGen1Page::HighlightDpiEdit(int) {}
