// The dialogs of MS_1: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_1_Macro", "MS_1_SelectMacro", "MS_1_ProfileName"; skins in "MS/MS_1/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_1_Macro : public CGen1MacroEditor {
public:
    CMS_1_Macro() : CGen1MacroEditor(1) {}
};

class CMS_1_SelectMacro : public CSelectMacroBase {
public:
    CMS_1_SelectMacro() : CSelectMacroBase(1) {}
};

class CMS_1_ProfileName : public CProfileNameBase {
public:
    CMS_1_ProfileName() : CProfileNameBase(1) {}
};
