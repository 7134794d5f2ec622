# MS_19: an unlit second-generation mouse up to 26,000 DPI.
model_family(gen2_unlit)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA2B)
set(MODEL_ID_BYTE 0x2B)
set(MODEL_BLE_PID 0x002B)
# Stages of 50 DPI with the sensor options two to a byte of frame 0x04.
set(MODEL_PROTOCOL Row19)
