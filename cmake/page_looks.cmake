# Looks every settings page shares (the main window's dark style, red accent), for the page
# templates' @BUTTON@, @SECTION@ ... values.
set(PAGE_BUTTON [[font="3" textcolor="#FFC9CED6" hottextcolor="#FFFFFFFF" disabledtextcolor="#FF5B6472" bkcolor="#FF20252C" hotbkcolor="#FF2A3038" pushedbkcolor="#FF1A1E24" bordersize="1" bordercolor="#FF2F353E" borderround="6,6"]])
set(PAGE_ACCENT_BUTTON [[font="3" textcolor="#FFFFFFFF" bkcolor="#FFE0282E" hotbkcolor="#FFEE3A40" pushedbkcolor="#FFB81F24" borderround="6,6"]])
set(PAGE_KEY_BUTTON [[font="3" align="left" textpadding="7,0,1,0" endellipsis="true" textcolor="#FFE6E9ED" hottextcolor="#FFFFFFFF" bkcolor="#FF20252C" hotbkcolor="#FF2A3038" pushedbkcolor="#FF3A1D22" bordersize="1" bordercolor="#FF2F353E" borderround="6,6"]])
set(PAGE_SECTION [[font="4" align="left" textpadding="20,0,0,0" textcolor="#FFF2F4F6" hottextcolor="#FFFFFFFF" selectedtextcolor="#FFF2F4F6" normalimage="file='skins/section_closed.png' dest='0,7,12,19'" selectedimage="file='skins/section_open.png' dest='0,7,12,19'"]])
set(PAGE_OPTION [[align="left" textpadding="24,0,0,0" textcolor="#FFC9CED6" hottextcolor="#FFFFFFFF" selectedtextcolor="#FFFFFFFF" normalimage="file='skins/radio_off.png' dest='0,4,18,22'" selectedimage="file='skins/radio_on.png' dest='0,4,18,22'"]])
set(PAGE_CHECK [[align="left" textpadding="26,0,0,0" textcolor="#FFC9CED6" hottextcolor="#FFFFFFFF" selectedtextcolor="#FFFFFFFF" normalimage="file='skins/dlg_check_off.png' dest='0,4,18,22'" selectedimage="file='skins/dlg_check_on.png' dest='0,4,18,22'"]])
set(PAGE_SLIDER_DPI [[height="26" thumbsize="14,14" thumbimage="skins/slider_thumb.png" thumbhotimage="skins/slider_thumb_hot.png" bkimage="file='skins/slider_track.png' corner='3,3,3,3' dest='0,10,124,16'" foreimage="file='skins/slider_fill.png' corner='3,3,3,3' dest='0,10,124,16'"]])
set(PAGE_SLIDER [[height="26" thumbsize="14,14" thumbimage="skins/slider_thumb.png" thumbhotimage="skins/slider_thumb_hot.png" bkimage="file='skins/slider_track.png' corner='3,3,3,3' dest='0,10,200,16'" foreimage="file='skins/slider_fill.png' corner='3,3,3,3' dest='0,10,200,16'"]])
set(PAGE_LIST [[bkcolor="#FF16191D" vscrollbar="true" vscrollbarstyle="thumbcolor='#FF3A414B' width='8'" itemheight="22" itemtextpadding="12,0,8,0" itemtextcolor="#FFC9CED6" itemhotbkcolor="#FF23282F" itemhottextcolor="#FFFFFFFF" itemselectedbkcolor="#FF3A1D22" itemselectedtextcolor="#FFFFFFFF"]])
set(PAGE_EDIT [[font="3" textcolor="#FFFFFFFF" nativebkcolor="#FF101316"]])
set(PAGE_COMBO [[textpadding="12,0,30,0" bkcolor="#FF20252C" bordersize="1" bordercolor="#FF2F353E" focusbordercolor="#FFE0282E" borderround="6,6" textcolor="#FFE6E9ED" normalimage="file='skins/combo_arrow.png' dest='238,11,250,19'" dropbkcolor="#FF1B1F24" dropbordercolor="#FF2F353E" itemheight="26" itemtextpadding="12,0,0,0" itemtextcolor="#FFC9CED6" itemhotbkcolor="#FF2A3038" itemhottextcolor="#FFFFFFFF" itemselectedbkcolor="#FF33202A" itemselectedtextcolor="#FFFFFFFF"]])

# The light-off row of the power settings (half minutes), on the models whose lights go off after
# a time of their own; the power-settings panel is this much higher with it.
set(LIGHT_OFF_ROW [[        <Label name="ms_@N@_label_light_off" height="22" padding="0,6,0,0" resourcetext="false" textcolor="#FFC9CED6"/>
        <Slider name="ms_@N@_slider_light_off" @SLIDER@ width="200" min="0" max="60"/>]])
set(POWER_SETTING_HEIGHT_WITH_LIGHT_OFF 104)
