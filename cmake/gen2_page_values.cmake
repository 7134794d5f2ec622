# What the second-generation page template (res/templates/gen2_page.xml) is filled with: the
# models that have the page and their own values; the looks every settings page shares come from
# page_looks.cmake. A @KEY@ of the template takes PAGE_<KEY>_<N> when the model has it, else
# PAGE_<KEY>.
include(${CMAKE_CURRENT_LIST_DIR}/page_looks.cmake)

set(GEN2_PAGE_MODELS 8 11 12 13 14 15 16 17 18 19 20 21 22 23 24)

# DPI sliders: the stored stage values, one step of 50 DPI per position (50 to 26,000 DPI).
set(PAGE_DPI_MIN 1)
set(PAGE_DPI_MAX 520)
# MS_18, MS_20, MS_22 and MS_23: stage codes 1..220 (50 to 12,000 DPI in two segments).
foreach(n 18 20 22 23)
  set(PAGE_DPI_MAX_${n} 220)
endforeach()

# The Bluetooth LE indicator, on the models that have the link.
set(PAGE_BLE_ICON "")
set(ble_icon [[

    <Control name="ms_@N@_BLE" width="52" height="20" padding="0,5,0,0" bkimage="skins/link_ble.png" tooltip="link_ble_text" visible="false"/>]])
set(PAGE_BLE_ICON_8 "${ble_icon}")
set(PAGE_BLE_ICON_11 "${ble_icon}")
set(PAGE_BLE_ICON_14 "${ble_icon}")
foreach(n 18 19 20 22 23)
  set(PAGE_BLE_ICON_${n} "${ble_icon}")
endforeach()

# The light rows: MS_14 and the later models name them "ver_brightness" and "ver_breathspeed".
set(PAGE_LIGHT_ROW hor)
# MS_14, MS_16, MS_18 to MS_20, MS_22 and MS_23 turn the lights off after a time of their own
# (half minutes), below the sleep timer.
set(PAGE_POWER_SETTING_HEIGHT 54)
set(PAGE_LIGHT_OFF_ROW "")
foreach(n 14 16 18 19 20 22 23)
  set(PAGE_LIGHT_ROW_${n} ver)
  set(PAGE_POWER_SETTING_HEIGHT_${n} ${POWER_SETTING_HEIGHT_WITH_LIGHT_OFF})
  set(PAGE_LIGHT_OFF_ROW_${n} "${LIGHT_OFF_ROW}")
endforeach()

# The Bluetooth LE indicator of the sensor models that have the link.
set(PAGE_BLE_ICON_21 "${ble_icon}")
set(PAGE_BLE_ICON_24 "${ble_icon}")

# The sensor mode, shown with the polling rates over the receivers; it governs the 4K receiver's
# fastest rates. Two options to a row, so each name has room beside its button in every language.
set(PAGE_SENSOR_MODE "")
set(sensor_mode_panel [[

      <VerticalLayout name="ms_@N@_ver_sensor_mode" height="80" childpadding="4" visible="false">
        <Label text="sensor_mode_caption_text" height="20" font="3" textcolor="#FF8A939E"/>
        <HorizontalLayout height="26">
          <Option @OPTION@ name="ms_@N@_option_sensor_mode_1" group="ms_@N@_sensor_mode" width="120" text="sensor_mode_1_text"/>
          <Option @OPTION@ name="ms_@N@_option_sensor_mode_2" group="ms_@N@_sensor_mode" width="120" text="sensor_mode_2_text"/>
        </HorizontalLayout>
        <HorizontalLayout height="26">
          <Option @OPTION@ name="ms_@N@_option_sensor_mode_3" group="ms_@N@_sensor_mode" width="120" text="sensor_mode_3_text"/>
          <Option @OPTION@ name="ms_@N@_option_sensor_mode_4" group="ms_@N@_sensor_mode" width="120" text="sensor_mode_4_text"/>
        </HorizontalLayout>
      </VerticalLayout>]])

# The sensor models MS_15, MS_17, MS_21 and MS_24: no light section of their own (its controls
# stay bound, hidden, in stacked rows), the light-off time, the sensor mode.
foreach(n 15 17 21 24)
  set(PAGE_LIGHT_ROW_${n} ver)
  set(PAGE_POWER_SETTING_HEIGHT_${n} ${POWER_SETTING_HEIGHT_WITH_LIGHT_OFF})
  set(PAGE_LIGHT_OFF_ROW_${n} "${LIGHT_OFF_ROW}")
  set(PAGE_SENSOR_MODE_${n} "${sensor_mode_panel}")
endforeach()
