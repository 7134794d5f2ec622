// How the core treats each model's page: which link flags make the model online, whether a
// link change refreshes the page's link controls, whether every link change is announced or
// only a change of the online state, and whether the main window runs the page's timers
// itself or hands them to the page.
#pragma once

enum class TimerHandling {
    Inline,    // the main window does the timer work against the page base
    Delegate,  // the page's own HandleTimer gets the whole timer range
};

struct PagePolicy {
    bool bBleCountsOnline;       // the Bluetooth link counts towards "online"
    bool b4kCountsOnline;        // the 4K link counts towards "online"
    bool bUpdateLinkControls;    // link changes call the page's UpdateLinkControls
    bool bAnnounceEveryChange;   // WM_DEVICELISTCHANGED on every link change, not only when online changes
    TimerHandling eTimers;
    unsigned uTimerKinds;        // how many ids from the page's timer base are its timers
};

// Policy of model n (1..24).
const PagePolicy& PolicyOf(int n);
