# MS_16: a second-generation mouse with a light-off time and no lights to show.
model_family(gen2_light_off)
set(MODEL_SUBSYSTEM 6)
set(MODEL_CABLE_PID 0xFA26)
set(MODEL_ID_BYTE 0x3F)
set(MODEL_4K_INDEX 9)
# The first of the four macro blocks each of buttons 1 to 8 owns (0: none).
set(MODEL_MACRO_BLOCKS 1 5 9 0 0 17 21 0)
# No lights to show: the light section stays hidden.
set(MODEL_NO_LIGHT_SECTION true)
