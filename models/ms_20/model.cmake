# MS_20: an unlit second-generation mouse up to 12,000 DPI.
model_family(gen2_row20)
set(MODEL_SUBSYSTEM 7)
set(MODEL_CABLE_PID 0xFA2C)
set(MODEL_ID_BYTE 0x2C)
set(MODEL_BLE_PID 0x002C)
