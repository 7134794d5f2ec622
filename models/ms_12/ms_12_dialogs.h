// The dialogs of MS_12: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_12_Macro", "MS_12_SelectMacro", "MS_12_ProfileName"; skins in "MS/MS_12/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_12_Macro : public CGen2MacroEditor {
public:
    CMS_12_Macro() : CGen2MacroEditor(12) {}
};

class CMS_12_SelectMacro : public CSelectMacroBase {
public:
    CMS_12_SelectMacro() : CSelectMacroBase(12) {}
};

class CMS_12_ProfileName : public CProfileNameBase {
public:
    CMS_12_ProfileName() : CProfileNameBase(12) {}
};
