# MS_18 to MS_23 but MS_21: cable, 2.4 GHz and Bluetooth LE, no lights (but a light-off time).
# The main window runs their timers itself.
model_family(gen2)
model_family(light_off)
set(MODEL_PROTOCOL UnlitRow)
list(REMOVE_ITEM MODEL_POLICY delegate_timers)
