// The dialogs of MS_13: the second generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_13_Macro", "MS_13_SelectMacro", "MS_13_ProfileName"; skins in "MS/MS_13/").
#pragma once

#include "gen2_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_13_Macro : public CGen2MacroEditor {
public:
    CMS_13_Macro() : CGen2MacroEditor(13) {}
};

class CMS_13_SelectMacro : public CSelectMacroBase {
public:
    CMS_13_SelectMacro() : CSelectMacroBase(13) {}
};

class CMS_13_ProfileName : public CProfileNameBase {
public:
    CMS_13_ProfileName() : CProfileNameBase(13) {}
};
