# MS_14: a second-generation mouse with a light-off time.
model_family(gen2_light_off)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA7D)
set(MODEL_ID_BYTE 0x3A)
set(MODEL_4K_INDEX 7)
set(MODEL_BLE_PID 0x003A)
# The first of the four macro blocks each of buttons 1 to 8 owns (0: none).
set(MODEL_MACRO_BLOCKS 1 5 9 13 0 0 17 21)
