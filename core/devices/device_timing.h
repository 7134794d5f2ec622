// Every device timing of the program in one table, so tests can scale them down instead of
// waiting for real seconds. Values are milliseconds.
#pragma once

struct DeviceTiming {
    unsigned uReceiverPollMs = 10;        // a polling thread's pause between two reads
    unsigned uReceiverArrivalMs = 1000;   // re-open a receiver kind after its last interface arrived
    unsigned uPresenceTimeoutMs = 6000;   // a receiver link drops without a report for this long
};

// The table in force. Tests may change it before they start what uses it.
DeviceTiming& Timing();
