// The settings page of MS_18: the second generation's page on MS_18's description.
#pragma once

#include "gen2_page.h"

class CMS_18_Page : public CGen2Page {
public:
    CMS_18_Page() : CGen2Page(18) {}
};
