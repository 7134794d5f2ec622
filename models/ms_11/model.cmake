# MS_11: a second-generation mouse.
model_family(gen2)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7A)
set(MODEL_ID_BYTE 0x37)
set(MODEL_4K_INDEX 4)
set(MODEL_BLE_PID 0x0037)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 52 24 4 5 0 0 0 0 0 0 0 0 0 11 12)
set(MODEL_MACRO_BLOCKS 1 5 9 0 0 13 17 0)
