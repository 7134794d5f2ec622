// The dialogs of MS_4: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_4_Macro", "MS_4_SelectMacro", "MS_4_ProfileName"; skins in "MS/MS_4/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_4_Macro : public CGen1MacroEditor {
public:
    CMS_4_Macro() : CGen1MacroEditor(4) {}
};

class CMS_4_SelectMacro : public CSelectMacroBase {
public:
    CMS_4_SelectMacro() : CSelectMacroBase(4) {}
};

class CMS_4_ProfileName : public CProfileNameBase {
public:
    CMS_4_ProfileName() : CProfileNameBase(4) {}
};
