// The dialogs of MS_5: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_5_Macro", "MS_5_SelectMacro", "MS_5_ProfileName"; skins in "MS/MS_5/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_5_Macro : public CGen1MacroEditor {
public:
    CMS_5_Macro() : CGen1MacroEditor(5) {}
};

class CMS_5_SelectMacro : public CSelectMacroBase {
public:
    CMS_5_SelectMacro() : CSelectMacroBase(5) {}
};

class CMS_5_ProfileName : public CProfileNameBase {
public:
    CMS_5_ProfileName() : CProfileNameBase(5) {}
};
