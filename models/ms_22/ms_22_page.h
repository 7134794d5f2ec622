// The settings page of MS_22: the second generation's page on MS_22's description.
#pragma once

#include "gen2_page.h"

class CMS_22_Page : public CGen2Page {
public:
    CMS_22_Page() : CGen2Page(22) {}
};
