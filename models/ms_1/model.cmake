# MS_1: the first generation's layout A with MS_1's 221-entry DPI table up to 12,000 DPI.
model_family(gen1_layout_a)
set(MODEL_SUBSYSTEM 2)
set(MODEL_CABLE_PID 0xFA61)
set(MODEL_ID_BYTE 0x10)
set(MODEL_DPI_CODEC Table221)
set(MODEL_DPI_MAX 220)
set(PAGE_RIPPLE true)
set(PAGE_ANGLE_SNAP true)
