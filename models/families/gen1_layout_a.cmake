# MS_1 and MS_2: record layout A (no light-off field); the light frame carries the sleep timer
# plus one in a byte of its own, so the slider stops one short.
model_family(gen1)
set(MODEL_LAYOUT Gen1A)
set(MODEL_PROTOCOL LayoutARow)
set(MODEL_SLEEP_MAX 254)
