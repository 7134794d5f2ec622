// The settings page of MS_19. It has no settings of its own yet: the page base and the
// placeholder carry its part in routing, timers and links.
#pragma once

#include "placeholder_page.h"

class CMS_19_Page : public CPlaceholderPage {
public:
    CMS_19_Page() : CPlaceholderPage(19) {}
};
