# MS_18: an unlit second-generation mouse up to 12,000 DPI.
model_family(gen2_unlit_12k)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA2A)
set(MODEL_ID_BYTE 0x2A)
set(MODEL_BLE_PID 0x002A)
