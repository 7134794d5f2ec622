# MS_7: a first-generation Bluetooth mouse on layout C, lights off after a time of its own.
model_family(gen1_layout_c)
model_family(gen1_bluetooth)
model_family(light_off)
set(MODEL_SUBSYSTEM 5)
set(MODEL_CABLE_PID 0xFA76)
set(MODEL_ID_BYTE 0x33)
set(MODEL_BLE_PID 0x0033)
set(MODEL_DPI_CODEC Table221)
set(MODEL_DPI_MAX 220)
set(PAGE_RIPPLE true)
set(PAGE_ANGLE_SNAP true)
# The factory light mode.
set(MODEL_FACTORY_LIGHT_MODE 7)
