// The settings page of MS_20: the second generation's page on MS_20's description.
#pragma once

#include "gen2_page.h"

class CMS_20_Page : public CGen2Page {
public:
    CMS_20_Page() : CGen2Page(20) {}
};
