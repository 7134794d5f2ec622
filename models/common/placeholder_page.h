// A model page without settings yet: it takes part in the core's routing, timers and links
// through the page runtime, shows its name and its links, and does nothing else.
#pragma once

#include "page_base.h"

class CPlaceholderPage : public CPageBase {
public:
    explicit CPlaceholderPage(int iModel) : CPageBase(iModel) {}
};
