// The dialogs of MS_7: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_7_Macro", "MS_7_SelectMacro", "MS_7_ProfileName"; skins in "MS/MS_7/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_7_Macro : public CGen1MacroEditor {
public:
    CMS_7_Macro() : CGen1MacroEditor(7) {}
};

class CMS_7_SelectMacro : public CSelectMacroBase {
public:
    CMS_7_SelectMacro() : CSelectMacroBase(7) {}
};

class CMS_7_ProfileName : public CProfileNameBase {
public:
    CMS_7_ProfileName() : CProfileNameBase(7) {}
};
