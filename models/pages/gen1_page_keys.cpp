// The first-generation page's macro editor ("MS_10_Macro" and its skin under the page's model
// number). The key buttons, their menu and captions and the macro button are the settings page's
// (settings_page.cpp, profile_page_keys.cpp).
#include "models/pages/gen1_page.h"

#include "models/dialogs/gen1_macro_editor.h"

bool CGen1Page::EditMacros() { return RunMacroEditor<CModelDialogOf<CGen1MacroEditor>>(); }
