# MS_21 and MS_24, the sensor models with Bluetooth LE: factory light mode 0, a debounce of 6 ms,
# battery reports as event 0x41 and byte 49 of frame 0x04 at 2.
model_family(gen2_sensor)
set(MODEL_PROTOCOL BleSensorRow)
