# MS_3 and MS_4: layout C with stages of 50 DPI up to 26,000, the 111-byte macro frame, every
# sensor option, and seven rates, the three highest over the 4K receiver alone: a second row of
# options named as the 4K receiver's rates are, and no label naming the chosen rate.
model_family(gen1_layout_c)
set(MODEL_PROTOCOL SevenRateModel)
set(MODEL_DPI_CODEC Linear)
set(MODEL_DPI_MAX 520)
set(MODEL_MACRO_FRAME 111)
set(PAGE_LIFT_OFF true)
set(PAGE_RIPPLE true)
set(PAGE_ANGLE_SNAP true)
set(PAGE_MOTION_SYNC true)
set(MODEL_RATE_LABEL false)
set(PAGE_RATE_BODY_HEIGHT 56)
set(PAGE_RATES_FAST "<HorizontalLayout height=\"26\">")
foreach(k 5 6 7)
  string(APPEND PAGE_RATES_FAST
    "\n          <Option ${PAGE_OPTION} name=\"ms_@N@_btn_prate_${k}\" group=\"ms_@N@_prate\" width=\"66\" text=\"prate_hs_${k}_short_text\"/>")
endforeach()
string(APPEND PAGE_RATES_FAST "\n        </HorizontalLayout>")
