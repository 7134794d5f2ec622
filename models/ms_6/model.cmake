# MS_6: the first generation's Bluetooth mouse with rates of its own over the 4K receiver.
model_family(gen1_bluetooth)
set(MODEL_SUBSYSTEM 5)
set(MODEL_CABLE_PID 0xFA75)
set(MODEL_ID_BYTE 0x32)
set(MODEL_4K_INDEX 2)
set(MODEL_BLE_PID 0x0032)
# Record layout D: layout C with the 4K polling rate.
set(MODEL_LAYOUT Gen1D)
# The core announces every link change.
list(APPEND MODEL_POLICY announce_every)
set(MODEL_DPI_CODEC Linear)
set(MODEL_DPI_MAX 520)
set(MODEL_MACRO_FRAME 111)
# Seven rates of its own over the 4K receiver; no lights to show.
set(MODEL_4K_RATES 7)
set(MODEL_NO_LIGHT_SECTION true)
set(PAGE_LIFT_OFF true)
set(PAGE_RIPPLE true)
set(PAGE_ANGLE_SNAP true)
set(PAGE_MOTION_SYNC true)
# No label names the chosen rate: the rate section is its row of rates alone.
set(MODEL_RATE_LABEL false)
set(PAGE_RATE_BODY_HEIGHT 26)
# Its own rates over the 4K receiver: a second panel of the rate section, shown instead of the
# first while the 4K receiver is the fastest link up.
set(PAGE_RATE_HS_PANEL [[      <VerticalLayout name="ms_@N@_ver_prate_hs" height="56" childpadding="4" visible="false">
        <HorizontalLayout height="26">
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_1" group="ms_@N@_prate_hs" width="66" text="prate_hs_1_short_text"/>
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_2" group="ms_@N@_prate_hs" width="66" text="prate_hs_2_short_text"/>
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_3" group="ms_@N@_prate_hs" width="66" text="prate_hs_3_short_text"/>
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_4" group="ms_@N@_prate_hs" width="70" text="prate_hs_4_short_text"/>
        </HorizontalLayout>
        <HorizontalLayout height="26">
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_5" group="ms_@N@_prate_hs" width="66" text="prate_hs_5_short_text"/>
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_6" group="ms_@N@_prate_hs" width="66" text="prate_hs_6_short_text"/>
          <Option @OPTION@ name="ms_@N@_btn_prate_hs_7" group="ms_@N@_prate_hs" width="66" text="prate_hs_7_short_text"/>
        </HorizontalLayout>
      </VerticalLayout>]])
