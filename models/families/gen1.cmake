# The first generation: its page, macro editor and picker, protocol and record layouts. Every
# first-generation model names one of its families, which name this one.
set(MODEL_GENERATION 1)
# The core counts only the cable and the 2.4 GHz receiver towards "online", announces only a
# change of it; the page has four timers.
set(MODEL_POLICY "")
set(MODEL_TIMER_KINDS 4)
# The protocol row's facts (gen1_model.cpp) unless a family or the model says otherwise: the
# lowest stored DPI stage value (the DPI sliders' range, MODEL_DPI_MIN..MODEL_DPI_MAX, one step per
# slider position; each model gives its highest and its MODEL_DPI_CODEC), the 131-byte macro
# frame, button 9's factory function, no rates of its own over the 4K receiver, factory light
# mode 0, the sleep timer as the light frame carries it, and a label naming the chosen rate
# (under its caption; the rate section is as high as its rows: the four rates and that label).
set(MODEL_DPI_MIN 1)
set(MODEL_MACRO_FRAME 131)
set(MODEL_BUTTON_9 52)
set(MODEL_4K_RATES 0)
set(MODEL_FACTORY_LIGHT_MODE 0)
set(MODEL_SLEEP_MAX 255)
set(MODEL_RATE_LABEL true)

# What the first-generation page template (res/templates/gen1_page.xml) is filled with unless a
# family or the model says otherwise.
# The sensor options a model's DPI frame carries are shown; the others are not.
set(PAGE_LIFT_OFF false)
set(PAGE_RIPPLE false)
set(PAGE_ANGLE_SNAP false)
set(PAGE_MOTION_SYNC false)
set(PAGE_LIGHT_ROW hor)
set(PAGE_POWER_SETTING_HEIGHT 54)
set(PAGE_LIGHT_OFF_ROW "")
set(PAGE_RATE_BODY_HEIGHT 52)
set(PAGE_RATES_FAST "")
set(PAGE_RATE_HS_PANEL "")
