# The models whose lights go off after a time of their own (half minutes): the light-off row
# below the sleep timer, and the light rows stacked ("ver_brightness", "ver_breathspeed").
set(PAGE_LIGHT_ROW ver)
set(PAGE_POWER_SETTING_HEIGHT ${POWER_SETTING_HEIGHT_WITH_LIGHT_OFF})
set(PAGE_LIGHT_OFF_ROW "${LIGHT_OFF_ROW}")
