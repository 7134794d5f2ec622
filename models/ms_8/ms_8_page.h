// The settings page of MS_8: the second generation's page on MS_8's description.
#pragma once

#include "gen2_page.h"

class CMS_8_Page : public CGen2Page {
public:
    CMS_8_Page() : CGen2Page(8) {}
};
