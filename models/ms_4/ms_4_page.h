// The settings page of MS_4: the first generation's page on MS_4's description.
#pragma once

#include "gen1_page.h"

class CMS_4_Page : public CGen1Page {
public:
    CMS_4_Page() : CGen1Page(4) {}
};
