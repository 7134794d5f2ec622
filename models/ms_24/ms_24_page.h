// The settings page of MS_24: the second generation's page on MS_24's description (a sensor model).
#pragma once

#include "gen2_page.h"

class CMS_24_Page : public CGen2Page {
public:
    CMS_24_Page() : CGen2Page(24) {}
};
