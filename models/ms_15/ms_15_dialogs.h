// The dialogs of MS_15: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_15_Macro", "MS_15_SelectMacro", "MS_15_ProfileName"; skins in "MS/MS_15/", the picker's in "MS/ms_15/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_15_Macro : public CGen2MacroEditor {
public:
    CMS_15_Macro() : CGen2MacroEditor(15) {}
};

class CMS_15_SelectMacro : public CSelectMacroBase {
public:
    CMS_15_SelectMacro() : CSelectMacroBase(15) {}
};

class CMS_15_ProfileName : public CProfileNameBase {
public:
    CMS_15_ProfileName() : CProfileNameBase(15) {}
};
