# MS_17: a second-generation sensor mouse.
model_family(gen2_sensor)
set(MODEL_SUBSYSTEM 8)
set(MODEL_CABLE_PID 0xFA29)
set(MODEL_ID_BYTE 0x29)
set(MODEL_4K_INDEX 10)
