# MS_20, MS_22 and MS_23: MS_18's protocol, with buttons 1 to 6 each owning four macro blocks and
# button 7 on function 24; the rate the mouse reports is read as its one-hot code, and over
# Bluetooth LE selects its option too; a recording that stops ends its insertion.
model_family(gen2_unlit_12k)
set(MODEL_PROTOCOL Row20)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 6 5 4 24 0 0 0 0 0 0 0 0 0 12 11)
set(MODEL_MACRO_BLOCKS 1 5 9 13 17 21 0 0)
