// The settings page of MS_15: the second generation's page on MS_15's description (a sensor model).
#pragma once

#include "gen2_page.h"

class CMS_15_Page : public CGen2Page {
public:
    CMS_15_Page() : CGen2Page(15) {}
};
