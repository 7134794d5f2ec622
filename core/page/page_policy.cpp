#include "page_policy.h"

#include "model_table.h"

#include <array>

namespace {

// The policy facts of a model's description (models/ms_N/model.cmake and its families).
struct PolicyFacts {
    bool bBleCountsOnline;
    bool b4kCountsOnline;
    bool bUpdateLinkControls;
    bool bAnnounceEveryChange;
    bool bDelegateTimers;
    unsigned uTimerKinds;
};

constexpr PagePolicy PolicyFrom(const PolicyFacts& f) {
    return {f.bBleCountsOnline, f.b4kCountsOnline, f.bUpdateLinkControls, f.bAnnounceEveryChange,
            f.bDelegateTimers ? TimerHandling::Delegate : TimerHandling::Inline, f.uTimerKinds};
}

// Receivers and timers agree: the first-generation pages without 4K count cable and 2.4 GHz
// and announce only a change; their 4K siblings count 4K too; the Bluetooth first-generation
// pages MS_7 and MS_9 count their Bluetooth link as well (a mouse connected over Bluetooth keeps
// its tab when a receiver goes) and announce only a change; the rest count every link and
// announce every change.
constexpr PolicyFacts kFacts[kModelCount] = {
#include "page_policy_rows.inc"
};

constexpr std::array<PagePolicy, kModelCount> PoliciesFrom(const PolicyFacts (&facts)[kModelCount]) {
    std::array<PagePolicy, kModelCount> policies{};
    for (int i = 0; i < kModelCount; ++i) policies[static_cast<size_t>(i)] = PolicyFrom(facts[i]);
    return policies;
}

constexpr std::array<PagePolicy, kModelCount> kPolicies = PoliciesFrom(kFacts);

}  // namespace

const PagePolicy& PolicyOf(int n) {
    if (n < 1 || n > kModelCount) n = 1;
    return kPolicies[static_cast<size_t>(n - 1)];
}
