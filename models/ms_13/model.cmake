# MS_13: a second-generation mouse without Bluetooth.
model_family(gen2_cabled_receivers)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7C)
set(MODEL_ID_BYTE 0x39)
set(MODEL_4K_INDEX 6)
# The factory function of buttons 1 to 18.
set(MODEL_BUTTON_FUNCTIONS 1 2 3 24 5 4 6 0 0 0 0 0 0 0 0 0 11 12)
