# MS_16: a second-generation mouse with a light-off time and no lights to show.
model_family(gen2_light_off)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA26)
set(MODEL_ID_BYTE 0x3F)
set(MODEL_4K_INDEX 9)
