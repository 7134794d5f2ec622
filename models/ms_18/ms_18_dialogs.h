// The dialogs of MS_18: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_18_Macro", "MS_18_SelectMacro", "MS_18_ProfileName"; skins in "MS/MS_18/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_18_Macro : public CGen2MacroEditor {
public:
    CMS_18_Macro() : CGen2MacroEditor(18) {}
};

class CMS_18_SelectMacro : public CSelectMacroBase {
public:
    CMS_18_SelectMacro() : CSelectMacroBase(18) {}
};

class CMS_18_ProfileName : public CProfileNameBase {
public:
    CMS_18_ProfileName() : CProfileNameBase(18) {}
};
