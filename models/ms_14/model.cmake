# MS_14: a second-generation mouse with a light-off time.
model_family(gen2_light_off)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA7D)
set(MODEL_ID_BYTE 0x3A)
set(MODEL_4K_INDEX 7)
set(MODEL_BLE_PID 0x003A)
