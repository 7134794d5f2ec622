# MS_12: a second-generation mouse without Bluetooth.
model_family(gen2)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7B)
set(MODEL_ID_BYTE 0x38)
set(MODEL_4K_INDEX 5)
# The core leaves Bluetooth out of "online" and runs five timers.
set(MODEL_POLICY 4k_online link_controls announce_every delegate_timers)
set(MODEL_TIMER_KINDS 5)
