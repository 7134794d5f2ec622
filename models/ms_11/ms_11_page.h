// The settings page of MS_11. It has no settings of its own yet: the page base and the
// placeholder carry its part in routing, timers and links.
#pragma once

#include "placeholder_page.h"

class CMS_11_Page : public CPlaceholderPage {
public:
    CMS_11_Page() : CPlaceholderPage(11) {}
};
