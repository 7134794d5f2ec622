# MS_10: the first generation's layout B with its 51-entry DPI table.
model_family(gen1)
set(MODEL_SUBSYSTEM 2)
set(MODEL_CABLE_PID 0xFA79)
set(MODEL_ID_BYTE 0x36)
set(MODEL_LAYOUT Gen1B)
set(MODEL_PROTOCOL Row)
set(PAGE_DPI_MIN 2)
set(PAGE_DPI_MAX 100)
