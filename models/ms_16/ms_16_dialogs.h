// The dialogs of MS_16: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_16_Macro", "MS_16_SelectMacro", "MS_16_ProfileName"; skins in "MS/MS_16/", the
// picker's in "MS/ms_16/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_16_Macro : public CGen2MacroEditor {
public:
    CMS_16_Macro() : CGen2MacroEditor(16) {}
};

class CMS_16_SelectMacro : public CSelectMacroBase {
public:
    CMS_16_SelectMacro() : CSelectMacroBase(16) {}
};

class CMS_16_ProfileName : public CProfileNameBase {
public:
    CMS_16_ProfileName() : CProfileNameBase(16) {}
};
