// The dialogs of MS_2: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_2_Macro", "MS_2_SelectMacro", "MS_2_ProfileName"; skins in "MS/MS_2/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_2_Macro : public CGen1MacroEditor {
public:
    CMS_2_Macro() : CGen1MacroEditor(2) {}
};

class CMS_2_SelectMacro : public CSelectMacroBase {
public:
    CMS_2_SelectMacro() : CSelectMacroBase(2) {}
};

class CMS_2_ProfileName : public CProfileNameBase {
public:
    CMS_2_ProfileName() : CProfileNameBase(2) {}
};
