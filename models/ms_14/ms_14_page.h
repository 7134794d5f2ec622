// The settings page of MS_14: the second generation's page on MS_14's description (cable, both
// receivers and Bluetooth LE; lights that go off after a time of their own).
#pragma once

#include "gen2_page.h"

class CMS_14_Page : public CGen2Page {
public:
    CMS_14_Page() : CGen2Page(14) {}
};
