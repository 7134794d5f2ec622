// The settings page of MS_11: the second generation's page on MS_11's description.
#pragma once

#include "gen2_page.h"

class CMS_11_Page : public CGen2Page {
public:
    CMS_11_Page() : CGen2Page(11) {}
};
