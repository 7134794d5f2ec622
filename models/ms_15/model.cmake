# MS_15: a second-generation sensor mouse.
model_family(gen2_sensor)
set(MODEL_SUBSYSTEM 8)
set(MODEL_CABLE_PID 0xFA24)
set(MODEL_ID_BYTE 0x3D)
set(MODEL_4K_INDEX 8)
# The battery display raises the level the mouse reports.
set(MODEL_BATTERY_DISPLAY Raised)
