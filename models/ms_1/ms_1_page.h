// The settings page of MS_1: the first generation's page on MS_1's description.
#pragma once

#include "gen1_page.h"

class CMS_1_Page : public CGen1Page {
public:
    CMS_1_Page() : CGen1Page(1) {}
};
