// The dialogs of MS_14: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_14_Macro", "MS_14_SelectMacro", "MS_14_ProfileName"; skins in "MS/MS_14/", the
// picker's in "MS/ms_14/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_14_Macro : public CGen2MacroEditor {
public:
    CMS_14_Macro() : CGen2MacroEditor(14) {}
};

class CMS_14_SelectMacro : public CSelectMacroBase {
public:
    CMS_14_SelectMacro() : CSelectMacroBase(14) {}
};

class CMS_14_ProfileName : public CProfileNameBase {
public:
    CMS_14_ProfileName() : CProfileNameBase(14) {}
};
