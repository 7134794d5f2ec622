# MS_14 and MS_16: the second generation with a light-off time of their own.
model_family(gen2)
model_family(light_off)
set(MODEL_PROTOCOL LightOffRow)
# The factory function of buttons 1 to 18.
set(MODEL_BUTTON_FUNCTIONS 1 2 3 6 0 24 4 5 0 0 0 0 0 0 0 0 11 12)
