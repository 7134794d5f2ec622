# MS_3: the first generation's seven-rate mouse.
model_family(gen1_seven_rate)
set(MODEL_SUBSYSTEM 4)
set(MODEL_CABLE_PID 0xFA72)
set(MODEL_ID_BYTE 0x21)
set(MODEL_4K_INDEX 0)
