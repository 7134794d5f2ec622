// How the core treats each model's page: which link flags make the model online, whether a
// link change refreshes the page's link controls, whether every link change is announced or
// only a change of the online state, and how many kinds of timer the page has.
#pragma once

struct PagePolicy {
    bool bBleCountsOnline;       // the Bluetooth link counts towards "online"
    bool b4kCountsOnline;        // the 4K link counts towards "online"
    bool bUpdateLinkControls;    // link changes call the page's UpdateLinkControls
    bool bAnnounceEveryChange;   // WM_DEVICELISTCHANGED on every link change, not only when online changes
    unsigned uTimerKinds;        // how many ids from the page's timer base are its timers
};

// Policy of model n (1..24).
const PagePolicy& PolicyOf(int n);
