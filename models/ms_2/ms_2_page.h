// The settings page of MS_2: the first generation's page on MS_2's description.
#pragma once

#include "gen1_page.h"

class CMS_2_Page : public CGen1Page {
public:
    CMS_2_Page() : CGen1Page(2) {}
};
