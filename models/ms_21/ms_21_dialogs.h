// The dialogs of MS_21: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_21_Macro", "MS_21_SelectMacro", "MS_21_ProfileName"; skins in "MS/MS_21/", the picker's in "MS/ms_21/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_21_Macro : public CGen2MacroEditor {
public:
    CMS_21_Macro() : CGen2MacroEditor(21) {}
};

class CMS_21_SelectMacro : public CSelectMacroBase {
public:
    CMS_21_SelectMacro() : CSelectMacroBase(21) {}
};

class CMS_21_ProfileName : public CProfileNameBase {
public:
    CMS_21_ProfileName() : CProfileNameBase(21) {}
};
