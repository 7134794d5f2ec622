// The dialogs of MS_9: the first generation's macro editor and macro picker, and the
// profile-name dialog every model shares, under the model's number (window classes
// "MS_9_Macro", "MS_9_SelectMacro", "MS_9_ProfileName"; skins in "MS/MS_9/").
#pragma once

#include "gen1_macro_editor.h"
#include "profile_name.h"
#include "select_macro.h"

class CMS_9_Macro : public CGen1MacroEditor {
public:
    CMS_9_Macro() : CGen1MacroEditor(9) {}
};

class CMS_9_SelectMacro : public CSelectMacroBase {
public:
    CMS_9_SelectMacro() : CSelectMacroBase(9) {}
};

class CMS_9_ProfileName : public CProfileNameBase {
public:
    CMS_9_ProfileName() : CProfileNameBase(9) {}
};
