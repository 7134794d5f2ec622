// The dialogs of MS_11: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_11_Macro", "MS_11_SelectMacro", "MS_11_ProfileName"; skins in "MS/MS_11/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_11_Macro : public CGen2MacroEditor {
public:
    CMS_11_Macro() : CGen2MacroEditor(11) {}
};

class CMS_11_SelectMacro : public CSelectMacroBase {
public:
    CMS_11_SelectMacro() : CSelectMacroBase(11) {}
};

class CMS_11_ProfileName : public CProfileNameBase {
public:
    CMS_11_ProfileName() : CProfileNameBase(11) {}
};
