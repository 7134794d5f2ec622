# MS_12: a second-generation mouse without Bluetooth.
model_family(gen2_cabled_receivers)
set(MODEL_SUBSYSTEM 3)
set(MODEL_CABLE_PID 0xFA7B)
set(MODEL_ID_BYTE 0x38)
set(MODEL_4K_INDEX 5)
# The factory function of buttons 1 to 18.
set(MODEL_BUTTON_FUNCTIONS 1 2 3 24 7 8 4 5 0 0 0 0 0 0 0 0 11 12)
