// The settings page of MS_6: the first generation's page on MS_6's description.
#pragma once

#include "gen1_page.h"

class CMS_6_Page : public CGen1Page {
public:
    CMS_6_Page() : CGen1Page(6) {}
};
