# MS_18 to MS_23 but MS_21: cable, 2.4 GHz and Bluetooth LE, no lights (but a light-off time).
model_family(gen2)
model_family(light_off)
set(MODEL_PROTOCOL UnlitRow)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 6 5 4 0 0 0 0 0 0 0 0 0 0 12 11)
set(MODEL_MACRO_BLOCKS 1 5 9 0 17 21 0 0)
