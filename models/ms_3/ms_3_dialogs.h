// The dialogs of MS_3: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_3_Macro", "MS_3_SelectMacro", "MS_3_ProfileName"; skins in "MS/MS_3/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_3_Macro : public CGen1MacroEditor {
public:
    CMS_3_Macro() : CGen1MacroEditor(3) {}
};

class CMS_3_SelectMacro : public CSelectMacroBase {
public:
    CMS_3_SelectMacro() : CSelectMacroBase(3) {}
};

class CMS_3_ProfileName : public CProfileNameBase {
public:
    CMS_3_ProfileName() : CProfileNameBase(3) {}
};
