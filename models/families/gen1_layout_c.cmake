# Record layout C (the sleep timer before the light-off field): MS_3, MS_4, MS_5 and the
# Bluetooth models MS_7 and MS_9. The core counts the 4K receiver towards "online" too and
# refreshes the page's link controls, over five timers.
model_family(gen1)
set(MODEL_LAYOUT Gen1C)
set(MODEL_PROTOCOL LayoutCModel)
set(MODEL_POLICY 4k_online link_controls)
set(MODEL_TIMER_KINDS 5)
