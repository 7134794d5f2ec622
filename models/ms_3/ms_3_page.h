// The settings page of MS_3: the first generation's page on MS_3's description.
#pragma once

#include "gen1_page.h"

class CMS_3_Page : public CGen1Page {
public:
    CMS_3_Page() : CGen1Page(3) {}
};
