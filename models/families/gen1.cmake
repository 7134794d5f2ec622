# The first generation: its page, macro editor and picker, protocol and record layouts. Every
# first-generation model names one of its families, which name this one.
set(MODEL_GENERATION 1)
# The core counts only the cable and the 2.4 GHz receiver towards "online", announces only a
# change of it and runs the page's four timers itself.
set(MODEL_POLICY "")
set(MODEL_TIMER_KINDS 4)

# What the first-generation page template (res/templates/gen1_page.xml) is filled with unless a
# family or the model says otherwise. The DPI sliders take the stored stage values (one step per
# slider position); the sleep timer as the light frame carries it.
set(PAGE_DPI_MIN 1)
set(PAGE_SLEEP_MAX 255)
# The sensor options a model's DPI frame carries are shown; the others are not.
set(PAGE_LIFT_OFF false)
set(PAGE_RIPPLE false)
set(PAGE_ANGLE_SNAP false)
set(PAGE_MOTION_SYNC false)
set(PAGE_LIGHT_ROW hor)
set(PAGE_POWER_SETTING_HEIGHT 54)
set(PAGE_LIGHT_OFF_ROW "")
# The label that names the chosen rate, under its caption, and the rate section as high as its
# rows: the four rates and that label.
set(PAGE_RATE_LABEL true)
set(PAGE_RATE_BODY_HEIGHT 52)
set(PAGE_RATES_FAST "")
set(PAGE_RATE_HS_PANEL "")
