# MS_24: a second-generation sensor mouse with Bluetooth.
model_family(gen2_sensor)
set(MODEL_SUBSYSTEM 8)
set(MODEL_CABLE_PID 0x2256)
set(MODEL_ID_BYTE 0x56)
set(MODEL_4K_INDEX 12)
set(MODEL_BLE_PID 0x0256)
