# MS_11: a second-generation mouse.
model_family(gen2)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7A)
set(MODEL_ID_BYTE 0x37)
set(MODEL_4K_INDEX 4)
set(MODEL_BLE_PID 0x0037)
