// The settings page of MS_21: the second generation's page on MS_21's description (a sensor model).
#pragma once

#include "gen2_page.h"

class CMS_21_Page : public CGen2Page {
public:
    CMS_21_Page() : CGen2Page(21) {}
};
