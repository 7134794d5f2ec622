// The hidapi calls that must never run on two threads at once (hid_init, hid_exit,
// hid_enumerate, hid_free_enumeration, hid_open, hid_open_path): each opens a scope that notes
// when another thread is already inside one of them. An optional pause inside each call holds the
// scope open long enough for callers that do not take turns to be caught doing so.
#pragma once

namespace simhid {

class UnsafeCallScope {
public:
    UnsafeCallScope();
    ~UnsafeCallScope();
    UnsafeCallScope(const UnsafeCallScope&) = delete;
    UnsafeCallScope& operator=(const UnsafeCallScope&) = delete;
};

// Times a call began while another thread was inside one of those calls.
int OverlappingCalls();
void SetUnsafeCallPause(unsigned milliseconds);
// Both back to none.
void ResetCallOverlap();

}  // namespace simhid
