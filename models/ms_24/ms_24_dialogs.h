// The dialogs of MS_24: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_24_Macro", "MS_24_SelectMacro", "MS_24_ProfileName"; skins in "MS/MS_24/", the picker's in "MS/ms_24/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_24_Macro : public CGen2MacroEditor {
public:
    CMS_24_Macro() : CGen2MacroEditor(24) {}
};

class CMS_24_SelectMacro : public CSelectMacroBase {
public:
    CMS_24_SelectMacro() : CSelectMacroBase(24) {}
};

class CMS_24_ProfileName : public CProfileNameBase {
public:
    CMS_24_ProfileName() : CProfileNameBase(24) {}
};
