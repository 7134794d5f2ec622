// The settings page of MS_16: the second generation's page on MS_16's description (MS_14 without
// lights and without Bluetooth LE: cable and both receivers).
#pragma once

#include "gen2_page.h"

class CMS_16_Page : public CGen2Page {
public:
    CMS_16_Page() : CGen2Page(16) {}
};
