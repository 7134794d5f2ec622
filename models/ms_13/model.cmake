# MS_13: a second-generation mouse without Bluetooth.
model_family(gen2)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7C)
set(MODEL_ID_BYTE 0x39)
set(MODEL_4K_INDEX 6)
# The core leaves Bluetooth out of "online" and runs five timers.
set(MODEL_POLICY 4k_online link_controls announce_every delegate_timers)
set(MODEL_TIMER_KINDS 5)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 24 5 4 6 0 0 0 0 0 0 0 0 0 11 12)
set(MODEL_MACRO_BLOCKS 1 5 9 0 13 17 21 25)
