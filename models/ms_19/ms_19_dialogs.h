// The dialogs of MS_19: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_19_Macro", "MS_19_SelectMacro", "MS_19_ProfileName"; skins in "MS/MS_19/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_19_Macro : public CGen2MacroEditor {
public:
    CMS_19_Macro() : CGen2MacroEditor(19) {}
};

class CMS_19_SelectMacro : public CSelectMacroBase {
public:
    CMS_19_SelectMacro() : CSelectMacroBase(19) {}
};

class CMS_19_ProfileName : public CProfileNameBase {
public:
    CMS_19_ProfileName() : CProfileNameBase(19) {}
};
