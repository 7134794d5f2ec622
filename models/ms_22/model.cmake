# MS_22: an unlit second-generation mouse up to 12,000 DPI.
model_family(gen2_row20)
set(MODEL_SUBSYSTEM 7)
set(MODEL_CABLE_PID 0xFA2E)
set(MODEL_ID_BYTE 0x2E)
set(MODEL_BLE_PID 0x002E)
