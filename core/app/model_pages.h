// The 24 model pages, held by value in model order: built from MS_1 to MS_24 and, as members
// are, destroyed from MS_24 down to MS_1.
#pragma once

#include "ms_1/ms_1_page.h"
#include "ms_2/ms_2_page.h"
#include "ms_3/ms_3_page.h"
#include "ms_4/ms_4_page.h"
#include "ms_5/ms_5_page.h"
#include "ms_6/ms_6_page.h"
#include "ms_7/ms_7_page.h"
#include "ms_8/ms_8_page.h"
#include "ms_9/ms_9_page.h"
#include "ms_10/ms_10_page.h"
#include "ms_11/ms_11_page.h"
#include "ms_12/ms_12_page.h"
#include "ms_13/ms_13_page.h"
#include "ms_14/ms_14_page.h"
#include "ms_15/ms_15_page.h"
#include "ms_16/ms_16_page.h"
#include "ms_17/ms_17_page.h"
#include "ms_18/ms_18_page.h"
#include "ms_19/ms_19_page.h"
#include "ms_20/ms_20_page.h"
#include "ms_21/ms_21_page.h"
#include "ms_22/ms_22_page.h"
#include "ms_23/ms_23_page.h"
#include "ms_24/ms_24_page.h"

#include <array>

struct CModelPages {
    CMS_1_Page m_MS_1_Page;
    CMS_2_Page m_MS_2_Page;
    CMS_3_Page m_MS_3_Page;
    CMS_4_Page m_MS_4_Page;
    CMS_5_Page m_MS_5_Page;
    CMS_6_Page m_MS_6_Page;
    CMS_7_Page m_MS_7_Page;
    CMS_8_Page m_MS_8_Page;
    CMS_9_Page m_MS_9_Page;
    CMS_10_Page m_MS_10_Page;
    CMS_11_Page m_MS_11_Page;
    CMS_12_Page m_MS_12_Page;
    CMS_13_Page m_MS_13_Page;
    CMS_14_Page m_MS_14_Page;
    CMS_15_Page m_MS_15_Page;
    CMS_16_Page m_MS_16_Page;
    CMS_17_Page m_MS_17_Page;
    CMS_18_Page m_MS_18_Page;
    CMS_19_Page m_MS_19_Page;
    CMS_20_Page m_MS_20_Page;
    CMS_21_Page m_MS_21_Page;
    CMS_22_Page m_MS_22_Page;
    CMS_23_Page m_MS_23_Page;
    CMS_24_Page m_MS_24_Page;

    // Page of model n (1..24), nullptr outside the range.
    CPageBase* Page(int n) {
        const std::array<CPageBase*, 24> pages = {
            &m_MS_1_Page,
            &m_MS_2_Page,
            &m_MS_3_Page,
            &m_MS_4_Page,
            &m_MS_5_Page,
            &m_MS_6_Page,
            &m_MS_7_Page,
            &m_MS_8_Page,
            &m_MS_9_Page,
            &m_MS_10_Page,
            &m_MS_11_Page,
            &m_MS_12_Page,
            &m_MS_13_Page,
            &m_MS_14_Page,
            &m_MS_15_Page,
            &m_MS_16_Page,
            &m_MS_17_Page,
            &m_MS_18_Page,
            &m_MS_19_Page,
            &m_MS_20_Page,
            &m_MS_21_Page,
            &m_MS_22_Page,
            &m_MS_23_Page,
            &m_MS_24_Page,
        };
        return n >= 1 && n <= 24 ? pages[static_cast<size_t>(n - 1)] : nullptr;
    }
};
