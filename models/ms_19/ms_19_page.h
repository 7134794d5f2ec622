// The settings page of MS_19: the second generation's page on MS_19's description.
#pragma once

#include "gen2_page.h"

class CMS_19_Page : public CGen2Page {
public:
    CMS_19_Page() : CGen2Page(19) {}
};
