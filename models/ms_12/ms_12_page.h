// The settings page of MS_12: the second generation's page on MS_12's description.
#pragma once

#include "gen2_page.h"

class CMS_12_Page : public CGen2Page {
public:
    CMS_12_Page() : CGen2Page(12) {}
};
