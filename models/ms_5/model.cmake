# MS_5: the first generation's layout C with the 221-entry DPI table up to 12,000 DPI and four rates.
model_family(gen1_layout_c)
set(MODEL_SUBSYSTEM 4)
set(MODEL_CABLE_PID 0xFA74)
set(MODEL_ID_BYTE 0x31)
set(MODEL_DPI_CODEC Table221)
set(MODEL_DPI_MAX 220)
set(PAGE_RIPPLE true)
set(PAGE_ANGLE_SNAP true)
# Button 9 off by default.
set(MODEL_BUTTON_9 0)
