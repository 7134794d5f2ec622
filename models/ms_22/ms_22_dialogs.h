// The dialogs of MS_22: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_22_Macro", "MS_22_SelectMacro", "MS_22_ProfileName"; the picker's skin in "MS/ms_22/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_22_Macro : public CGen2MacroEditor {
public:
    CMS_22_Macro() : CGen2MacroEditor(22) {}
};

class CMS_22_SelectMacro : public CSelectMacroBase {
public:
    CMS_22_SelectMacro() : CSelectMacroBase(22) {}
};

class CMS_22_ProfileName : public CProfileNameBase {
public:
    CMS_22_ProfileName() : CProfileNameBase(22) {}
};
