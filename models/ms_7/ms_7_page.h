// The settings page of MS_7: the first generation's page on MS_7's description.
#pragma once

#include "gen1_page.h"

class CMS_7_Page : public CGen1Page {
public:
    CMS_7_Page() : CGen1Page(7) {}
};
