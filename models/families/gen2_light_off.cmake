# MS_14 and MS_16: the second generation with a light-off time of their own.
model_family(gen2)
model_family(light_off)
set(MODEL_PROTOCOL LightOffRow)
