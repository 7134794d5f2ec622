// The settings page of MS_14. It has no settings of its own yet: the page base and the
// placeholder carry its part in routing, timers and links.
#pragma once

#include "placeholder_page.h"

class CMS_14_Page : public CPlaceholderPage {
public:
    CMS_14_Page() : CPlaceholderPage(14) {}
};
