# MS_24: a second-generation sensor mouse with Bluetooth.
model_family(gen2_sensor_ble)
set(MODEL_SUBSYSTEM 8)
set(MODEL_CABLE_PID 0x2256)
set(MODEL_ID_BYTE 0x56)
set(MODEL_4K_INDEX 12)
set(MODEL_BLE_PID 0x0256)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 6 5 4 0 0 0 0 0 0 0 0 0 0 11 12)
set(MODEL_MACRO_BLOCKS 1 5 9 13 17 21 25 29)
