// The program's own pages, one factory per model in model order.
#include "page_factories.h"

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

namespace {

template <class Page>
PageFactory Make() {
    return [] { return std::unique_ptr<CPageBase>(std::make_unique<Page>()); };
}

}  // namespace

PageFactoryTable ModelPageFactories() {
    return {
        Make<CMS_1_Page>(),
        Make<CMS_2_Page>(),
        Make<CMS_3_Page>(),
        Make<CMS_4_Page>(),
        Make<CMS_5_Page>(),
        Make<CMS_6_Page>(),
        Make<CMS_7_Page>(),
        Make<CMS_8_Page>(),
        Make<CMS_9_Page>(),
        Make<CMS_10_Page>(),
        Make<CMS_11_Page>(),
        Make<CMS_12_Page>(),
        Make<CMS_13_Page>(),
        Make<CMS_14_Page>(),
        Make<CMS_15_Page>(),
        Make<CMS_16_Page>(),
        Make<CMS_17_Page>(),
        Make<CMS_18_Page>(),
        Make<CMS_19_Page>(),
        Make<CMS_20_Page>(),
        Make<CMS_21_Page>(),
        Make<CMS_22_Page>(),
        Make<CMS_23_Page>(),
        Make<CMS_24_Page>(),
    };
}
