# The sensor models MS_15, MS_17, MS_21 and MS_24: the longer record with the sensor mode, no
# light section of their own (its controls stay bound, hidden, in stacked rows), the light-off
# time, and the sensor mode shown with the polling rates over the receivers (it governs the 4K
# receiver's fastest rates), two options to a row so each name has room beside its button.
model_family(gen2)
model_family(light_off)
set(MODEL_LAYOUT Gen2Sensor)
set(MODEL_PROTOCOL SensorRow)
# The factory function of buttons 1 to 18, and the first of the four macro blocks each of
# buttons 1 to 8 owns (0: none; the other buttons own none).
set(MODEL_BUTTON_FUNCTIONS 1 2 3 6 24 4 5 52 0 0 0 0 0 0 0 0 11 12)
set(MODEL_MACRO_BLOCKS 1 5 9 0 0 17 21 0)
set(PAGE_SENSOR_MODE [[

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
