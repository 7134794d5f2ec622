#include "page_policy.h"

#include "model_table.h"

#include <array>

namespace {

// Receivers and timers agree: the first-generation pages without 4K count cable and 2.4 GHz
// and announce only a change; their 4K siblings count 4K too; the Bluetooth first-generation
// pages MS_7 and MS_9 count their Bluetooth link as well (a mouse connected over Bluetooth keeps
// its tab when a receiver goes) and announce only a change; the rest count every link and
// announce every change.
constexpr std::array<PagePolicy, kModelCount> kPolicies = {{
    /* MS_1  */ {false, false, false, false, 4},
    /* MS_2  */ {false, false, false, false, 4},
    /* MS_3  */ {false, true, true, false, 5},
    /* MS_4  */ {false, true, true, false, 5},
    /* MS_5  */ {false, true, true, false, 5},
    /* MS_6  */ {true, true, true, true, 5},
    /* MS_7  */ {true, true, true, false, 5},
    /* MS_8  */ {true, true, true, true, 6},
    /* MS_9  */ {true, true, true, false, 5},
    /* MS_10 */ {false, false, false, false, 4},
    /* MS_11 */ {true, true, true, true, 6},
    /* MS_12 */ {false, true, true, true, 5},
    /* MS_13 */ {false, true, true, true, 5},
    /* MS_14 */ {true, true, true, true, 6},
    /* MS_15 */ {true, true, true, true, 6},
    /* MS_16 */ {true, true, true, true, 6},
    /* MS_17 */ {true, true, true, true, 6},
    /* MS_18 */ {true, true, true, true, 6},
    /* MS_19 */ {true, true, true, true, 6},
    /* MS_20 */ {true, true, true, true, 6},
    /* MS_21 */ {true, true, true, true, 6},
    /* MS_22 */ {true, true, true, true, 6},
    /* MS_23 */ {true, true, true, true, 6},
    /* MS_24 */ {true, true, true, true, 6},
}};

}  // namespace

const PagePolicy& PolicyOf(int n) {
    if (n < 1 || n > kModelCount) n = 1;
    return kPolicies[static_cast<size_t>(n - 1)];
}
