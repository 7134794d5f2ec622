// The settings page of MS_10: the first generation's page on MS_10's description.
#pragma once

#include "gen1_page.h"

class CMS_10_Page : public CGen1Page {
public:
    CMS_10_Page() : CGen1Page(10) {}
};
