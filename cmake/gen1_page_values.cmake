# What the first-generation page template (res/templates/gen1_page.xml) is filled with: the
# models that have the page and their own values; the looks every settings page shares come from
# page_looks.cmake. A model gets the page by being listed in GEN1_PAGE_MODELS and giving its
# PAGE_<KEY>_<N> values; a @KEY@ of the template takes PAGE_<KEY>_<N> when the model has it, else
# PAGE_<KEY>.
include(${CMAKE_CURRENT_LIST_DIR}/page_looks.cmake)
set(GEN1_PAGE_MODELS 1 2 3 4 5 6 7 9 10)

# DPI sliders: the stored stage values (one step per slider position).
set(PAGE_DPI_MIN_1 1)
set(PAGE_DPI_MAX_1 220)
set(PAGE_DPI_MIN_2 1)
set(PAGE_DPI_MAX_2 520)
set(PAGE_DPI_MIN_10 2)
set(PAGE_DPI_MAX_10 100)
set(PAGE_DPI_MIN_6 1)
set(PAGE_DPI_MAX_6 520)
set(PAGE_DPI_MIN_7 1)
set(PAGE_DPI_MAX_7 220)
set(PAGE_DPI_MIN_9 1)
set(PAGE_DPI_MAX_9 290)
foreach(n 3 4)
  set(PAGE_DPI_MIN_${n} 1)
  set(PAGE_DPI_MAX_${n} 520)
endforeach()
set(PAGE_DPI_MIN_5 1)
set(PAGE_DPI_MAX_5 220)
# The sleep timer as the light frame can carry it (MS_1 and MS_2 send it plus one in a byte).
set(PAGE_SLEEP_MAX_1 254)
set(PAGE_SLEEP_MAX_2 254)
set(PAGE_SLEEP_MAX_10 255)
set(PAGE_SLEEP_MAX_6 255)
set(PAGE_SLEEP_MAX_7 255)
set(PAGE_SLEEP_MAX_9 255)
foreach(n 3 4 5)
  set(PAGE_SLEEP_MAX_${n} 255)
endforeach()
# The sensor options a model's DPI frame carries are shown; the others are not.
set(PAGE_LIFT_OFF false)
set(PAGE_RIPPLE false)
set(PAGE_ANGLE_SNAP false)
set(PAGE_MOTION_SYNC false)
set(PAGE_RIPPLE_1 true)
set(PAGE_ANGLE_SNAP_1 true)
set(PAGE_LIFT_OFF_2 true)
set(PAGE_RIPPLE_2 true)
set(PAGE_ANGLE_SNAP_2 true)
set(PAGE_MOTION_SYNC_2 true)
set(PAGE_LIFT_OFF_6 true)
set(PAGE_RIPPLE_6 true)
set(PAGE_ANGLE_SNAP_6 true)
set(PAGE_MOTION_SYNC_6 true)
set(PAGE_RIPPLE_7 true)
set(PAGE_ANGLE_SNAP_7 true)
set(PAGE_LIFT_OFF_9 true)
set(PAGE_RIPPLE_9 true)
set(PAGE_ANGLE_SNAP_9 true)

# The light rows: MS_7 and MS_9 name them "ver_brightness" and "ver_breathspeed".
set(PAGE_LIGHT_ROW hor)
set(PAGE_LIGHT_ROW_7 ver)
set(PAGE_LIGHT_ROW_9 ver)
# MS_6's own rates over the 4K receiver: a second panel of the rate section, shown instead of the
# first while the 4K receiver is the fastest link up.
set(PAGE_RATE_HS_PANEL "")
set(PAGE_RATE_HS_PANEL_6 [[      <VerticalLayout name="ms_@N@_ver_prate_hs" height="56" childpadding="4" visible="false">
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
# MS_7 and MS_9 turn the lights off after a time of their own (half minutes).
set(PAGE_POWER_SETTING_HEIGHT 54)
set(PAGE_POWER_SETTING_HEIGHT_7 ${POWER_SETTING_HEIGHT_WITH_LIGHT_OFF})
set(PAGE_POWER_SETTING_HEIGHT_9 ${POWER_SETTING_HEIGHT_WITH_LIGHT_OFF})
set(PAGE_LIGHT_OFF_ROW "")
set(PAGE_LIGHT_OFF_ROW_7 "${LIGHT_OFF_ROW}")
set(PAGE_LIGHT_OFF_ROW_9 "${LIGHT_OFF_ROW}")
foreach(n 3 4)
  set(PAGE_LIFT_OFF_${n} true)
  set(PAGE_RIPPLE_${n} true)
  set(PAGE_ANGLE_SNAP_${n} true)
  set(PAGE_MOTION_SYNC_${n} true)
endforeach()
set(PAGE_RIPPLE_5 true)
set(PAGE_ANGLE_SNAP_5 true)
# The label that names the chosen rate, under its caption; MS_3, MS_4 and MS_6 name none, so
# they show neither. The rate section is as high as its rows: the four rates and that label, or
# the rates alone (MS_3 and MS_4 in two rows).
set(PAGE_RATE_LABEL true)
set(PAGE_RATE_BODY_HEIGHT 52)
foreach(n 3 4 6)
  set(PAGE_RATE_LABEL_${n} false)
endforeach()
set(PAGE_RATE_BODY_HEIGHT_3 56)
set(PAGE_RATE_BODY_HEIGHT_4 56)
set(PAGE_RATE_BODY_HEIGHT_6 26)

# MS_3 and MS_4 have three more rates, a second row of options (shown over the 4K receiver alone),
# named as the 4K receiver's rates are.
set(PAGE_RATES_FAST "")
foreach(n 3 4)
  set(PAGE_RATES_FAST_${n} "<HorizontalLayout height=\"26\">")
  foreach(k 5 6 7)
    string(APPEND PAGE_RATES_FAST_${n}
      "\n          <Option ${PAGE_OPTION} name=\"ms_${n}_btn_prate_${k}\" group=\"ms_${n}_prate\" width=\"66\" text=\"prate_hs_${k}_short_text\"/>")
  endforeach()
  string(APPEND PAGE_RATES_FAST_${n} "\n        </HorizontalLayout>")
endforeach()
