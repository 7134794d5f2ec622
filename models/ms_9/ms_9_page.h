// The settings page of MS_9: the first generation's page on MS_9's description.
#pragma once

#include "gen1_page.h"

class CMS_9_Page : public CGen1Page {
public:
    CMS_9_Page() : CGen1Page(9) {}
};
