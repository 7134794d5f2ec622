// The dialogs of MS_20: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_20_Macro", "MS_20_SelectMacro", "MS_20_ProfileName"; the picker's skin in "MS/ms_20/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_20_Macro : public CGen2MacroEditor {
public:
    CMS_20_Macro() : CGen2MacroEditor(20) {}
};

class CMS_20_SelectMacro : public CSelectMacroBase {
public:
    CMS_20_SelectMacro() : CSelectMacroBase(20) {}
};

class CMS_20_ProfileName : public CProfileNameBase {
public:
    CMS_20_ProfileName() : CProfileNameBase(20) {}
};
