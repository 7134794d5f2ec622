// The dialogs of MS_10: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_10_Macro", "MS_10_SelectMacro", "MS_10_ProfileName"; skins in "MS/MS_10/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_10_Macro : public CGen1MacroEditor {
public:
    CMS_10_Macro() : CGen1MacroEditor(10) {}
};

class CMS_10_SelectMacro : public CSelectMacroBase {
public:
    CMS_10_SelectMacro() : CSelectMacroBase(10) {}
};

class CMS_10_ProfileName : public CProfileNameBase {
public:
    CMS_10_ProfileName() : CProfileNameBase(10) {}
};
