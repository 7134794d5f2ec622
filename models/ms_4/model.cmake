# MS_4: the first generation's seven-rate mouse.
model_family(gen1_seven_rate)
set(MODEL_SUBSYSTEM 4)
set(MODEL_CABLE_PID 0xFA73)
set(MODEL_ID_BYTE 0x30)
set(MODEL_4K_INDEX 1)
# Button 9 off by default; the apply stops and re-arms the 4K presence timer too.
set(MODEL_BUTTON_9 0)
set(MODEL_APPLY_REARMS_4K_TIMER true)
