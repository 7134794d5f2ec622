// The settings page of MS_13: the second generation's page on MS_13's description.
#pragma once

#include "gen2_page.h"

class CMS_13_Page : public CGen2Page {
public:
    CMS_13_Page() : CGen2Page(13) {}
};
