// The dialogs of MS_17: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_17_Macro", "MS_17_SelectMacro", "MS_17_ProfileName"; skins in "MS/MS_17/", the picker's in "MS/ms_17/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_17_Macro : public CGen2MacroEditor {
public:
    CMS_17_Macro() : CGen2MacroEditor(17) {}
};

class CMS_17_SelectMacro : public CSelectMacroBase {
public:
    CMS_17_SelectMacro() : CSelectMacroBase(17) {}
};

class CMS_17_ProfileName : public CProfileNameBase {
public:
    CMS_17_ProfileName() : CProfileNameBase(17) {}
};
