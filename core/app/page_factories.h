// How the main window gets its 24 pages: one factory per model, in model order. The program
// builds CMS_1_Page ... CMS_24_Page; a test may put a page of its own in place of any model.
#pragma once

#include "models/table/model_table.h"
#include "core/page/page_base.h"

#include <array>
#include <functional>
#include <memory>

using PageFactory = std::function<std::unique_ptr<CPageBase>()>;
using PageFactoryTable = std::array<PageFactory, kModelCount>;

// The program's own pages, CMS_1_Page to CMS_24_Page.
PageFactoryTable ModelPageFactories();
