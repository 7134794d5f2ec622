// The settings page of MS_18. It has no settings of its own yet: the page base and the
// placeholder carry its part in routing, timers and links.
#pragma once

#include "placeholder_page.h"

class CMS_18_Page : public CPlaceholderPage {
public:
    CMS_18_Page() : CPlaceholderPage(18) {}
};
