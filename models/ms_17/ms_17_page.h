// The settings page of MS_17: the second generation's page on MS_17's description (a sensor model).
#pragma once

#include "gen2_page.h"

class CMS_17_Page : public CGen2Page {
public:
    CMS_17_Page() : CGen2Page(17) {}
};
