#include "tests/kit/hidapi_sim/call_overlap.h"

#include <windows.h>

#include <atomic>

namespace simhid {

namespace {

std::atomic<int> g_inside{0};
std::atomic<int> g_overlaps{0};
std::atomic<unsigned> g_pauseMs{0};

}  // namespace

UnsafeCallScope::UnsafeCallScope() {
    if (g_inside.fetch_add(1) > 0) g_overlaps.fetch_add(1);
    if (const unsigned uPause = g_pauseMs.load(); uPause > 0) Sleep(uPause);
}

UnsafeCallScope::~UnsafeCallScope() { g_inside.fetch_sub(1); }

int OverlappingCalls() { return g_overlaps.load(); }

void SetUnsafeCallPause(unsigned milliseconds) { g_pauseMs.store(milliseconds); }

void ResetCallOverlap() {
    g_overlaps.store(0);
    g_pauseMs.store(0);
}

}  // namespace simhid
