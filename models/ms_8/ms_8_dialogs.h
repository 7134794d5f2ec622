// The dialogs of MS_8: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_8_Macro", "MS_8_SelectMacro", "MS_8_ProfileName"; skins in "MS/MS_8/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_8_Macro : public CGen2MacroEditor {
public:
    CMS_8_Macro() : CGen2MacroEditor(8) {}
};

class CMS_8_SelectMacro : public CSelectMacroBase {
public:
    CMS_8_SelectMacro() : CSelectMacroBase(8) {}
};

class CMS_8_ProfileName : public CProfileNameBase {
public:
    CMS_8_ProfileName() : CProfileNameBase(8) {}
};
