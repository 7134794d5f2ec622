# MS_18, MS_20, MS_22 and MS_23: the unlit models with stage codes 1..220 (50 to 12,000 DPI in two
# segments, sent through the register table), one-hot rate codes and the 131-byte macro frame.
model_family(gen2_unlit)
set(MODEL_PROTOCOL Row18)
set(MODEL_DPI_MAX 220)
