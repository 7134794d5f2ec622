#include "core/page/page_policy.h"

#include "models/table/model_table.h"

#include <array>

namespace {

// Generated from each model's description (models/ms_N/model.cmake and its families). Receivers
// and timers agree: the first-generation pages without 4K count cable and 2.4 GHz and announce
// only a change; their 4K siblings count 4K too; the Bluetooth first-generation pages MS_7 and
// MS_9 count their Bluetooth link as well (a mouse connected over Bluetooth keeps its tab when a
// receiver goes) and announce only a change; the rest count every link and announce every change.
constexpr std::array<PagePolicy, kModelCount> kPolicies = {{
#include "models/page_policy_rows.inc"
}};

}  // namespace

const PagePolicy& PolicyOf(int n) {
    if (n < 1 || n > kModelCount) n = 1;
    return kPolicies[static_cast<size_t>(n - 1)];
}
