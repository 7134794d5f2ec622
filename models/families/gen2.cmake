# The second generation: its page, macro editor and picker, protocol and record layout. Every
# second-generation model names this family or one that names it.
set(MODEL_GENERATION 2)
set(MODEL_LAYOUT Gen2)
set(MODEL_PROTOCOL Row)
# A model's own (MODEL_BUTTON_FUNCTIONS, MODEL_MACRO_BLOCKS) are said by the model or its family.
# The core counts every link towards "online", refreshes the link controls, announces every
# change; the page has six timers.
set(MODEL_POLICY ble_online 4k_online link_controls announce_every)
set(MODEL_TIMER_KINDS 6)

# What the second-generation page template (res/templates/gen2_page.xml) is filled with unless a
# family or the model says otherwise.
# The stored DPI stage values (the protocol's and the sliders' range): one step of 50 DPI per
# position, 50 to 26,000 DPI.
set(MODEL_DPI_MIN 1)
set(MODEL_DPI_MAX 520)
set(PAGE_LIGHT_ROW hor)
set(PAGE_POWER_SETTING_HEIGHT 54)
set(PAGE_LIGHT_OFF_ROW "")
set(PAGE_SENSOR_MODE "")
# The Bluetooth LE indicator, on the models that have the link.
set(PAGE_BLE_ICON "")
set(PAGE_BLE_ICON_WITH_BLE [[

    <Control name="ms_@N@_BLE" width="52" height="20" padding="0,5,0,0" bkimage="skins/link_ble.png" tooltip="link_ble_text" visible="false"/>]])
