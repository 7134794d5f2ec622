// The settings page of MS_9. It has no settings of its own yet: the page base and the
// placeholder carry its part in routing, timers and links.
#pragma once

#include "placeholder_page.h"

class CMS_9_Page : public CPlaceholderPage {
public:
    CMS_9_Page() : CPlaceholderPage(9) {}
};
