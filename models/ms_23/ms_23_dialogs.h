// The dialogs of MS_23: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_23_Macro", "MS_23_SelectMacro", "MS_23_ProfileName"; the picker's skin in "MS/ms_23/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_23_Macro : public CGen2MacroEditor {
public:
    CMS_23_Macro() : CGen2MacroEditor(23) {}
};

class CMS_23_SelectMacro : public CSelectMacroBase {
public:
    CMS_23_SelectMacro() : CSelectMacroBase(23) {}
};

class CMS_23_ProfileName : public CProfileNameBase {
public:
    CMS_23_ProfileName() : CProfileNameBase(23) {}
};
