// The settings page of MS_5: the first generation's page on MS_5's description.
#pragma once

#include "gen1_page.h"

class CMS_5_Page : public CGen1Page {
public:
    CMS_5_Page() : CGen1Page(5) {}
};
