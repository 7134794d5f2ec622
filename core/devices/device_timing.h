// Every device timing of the program in one table, so tests can scale them down instead of
// waiting for real seconds. Values are milliseconds unless named otherwise.
#pragma once

struct DeviceTiming {
    unsigned uReceiverReadTimeoutMs = 100; // a polling thread's read waits at most this long, so it sees a stop soon
    unsigned uReceiverArrivalMs = 1000;   // re-open a receiver kind after its last interface arrived
    unsigned uPresenceTimeoutMs = 6000;   // a receiver link drops without a report for this long

    // How the send routine paces the mouse.
    unsigned uFramePauseMs = 500;           // after a frame
    unsigned uCableMacroPieceMs = 200;      // after each macro piece the cable took
    unsigned uWirelessTryPauseMs = 500;     // after each 2.4 GHz attempt of a frame
    unsigned uWirelessMacroPieceMs = 1000;  // after each 2.4 GHz macro piece
    unsigned uWireless4kMacroPieceMs = 200; // after each 4K macro piece
    unsigned uWirelessTries = 10;           // 2.4 GHz attempts (macro: passes) before giving up
    unsigned uCableArrivalMs = 1000;        // a cabled mouse settles before it is opened
    unsigned uBleSubscribeMs = 2000;        // the Bluetooth link is up this long before it is subscribed to

    // How long a page waits before it sends a setting a person may still be changing.
    unsigned uLightApplyDelayMs = 200;      // after the light mode was chosen
    unsigned uSliderApplyDelayMs = 2000;    // after a brightness, speed, sleep or debounce slider moved
    unsigned uSoonSliderApplyDelayMs = 500; // after a sleep or light-off slider of the models that apply them soon
};

// The table in force. Tests may change it before they start what uses it.
DeviceTiming& Timing();
