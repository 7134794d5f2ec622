# The first-generation Bluetooth models MS_6, MS_7 and MS_9: four rates over the cable and the
# 2.4 GHz receiver, settings that follow each link. The core counts the Bluetooth link towards
# "online" as well (a mouse connected over Bluetooth keeps its tab when a receiver goes).
model_family(gen1)
set(MODEL_PROTOCOL BluetoothModel)
set(MODEL_POLICY ble_online 4k_online link_controls)
set(MODEL_TIMER_KINDS 5)
