// The dialogs of MS_6: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_6_Macro", "MS_6_SelectMacro", "MS_6_ProfileName"; skins in "MS/MS_6/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_6_Macro : public CGen1MacroEditor {
public:
    CMS_6_Macro() : CGen1MacroEditor(6) {}
};

class CMS_6_SelectMacro : public CSelectMacroBase {
public:
    CMS_6_SelectMacro() : CSelectMacroBase(6) {}
};

class CMS_6_ProfileName : public CProfileNameBase {
public:
    CMS_6_ProfileName() : CProfileNameBase(6) {}
};
