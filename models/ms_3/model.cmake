# MS_3: the first generation's seven-rate mouse.
model_family(gen1_seven_rate)
set(MODEL_SUBSYSTEM 4)
set(MODEL_CABLE_PID 0xFA72)
set(MODEL_ID_BYTE 0x21)
set(MODEL_4K_INDEX 0)
# Its apply leaves the 4K presence timer running (MODEL_APPLY_REARMS_4K_TIMER unset). Its
# link-dependent settings show on every link as MS_4's do: a wireless mouse that lost its battery,
# light and section headers away from the cable left its page in pieces.
