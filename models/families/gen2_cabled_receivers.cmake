# MS_12 and MS_13: the second generation on the cable and the two receivers, without Bluetooth.
# The core leaves Bluetooth out of "online" and runs five timers; buttons 1 to 3 and 5 to 8 own
# four macro blocks each.
model_family(gen2)
set(MODEL_POLICY 4k_online link_controls announce_every)
set(MODEL_TIMER_KINDS 5)
set(MODEL_MACRO_BLOCKS 1 5 9 0 13 17 21 25)
