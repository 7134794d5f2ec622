// The settings page of MS_23: the second generation's page on MS_23's description.
#pragma once

#include "gen2_page.h"

class CMS_23_Page : public CGen2Page {
public:
    CMS_23_Page() : CGen2Page(23) {}
};
