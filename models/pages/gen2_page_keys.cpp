// The second-generation page's macro editor ("MS_11_Macro" and its skin under the page's model
// number). The key buttons, their menu and captions and the macro button are the settings page's
// (settings_page.cpp, profile_page_keys.cpp).
#include "models/pages/gen2_page.h"

#include "models/dialogs/gen2_macro_editor.h"

bool CGen2Page::EditMacros() { return RunMacroEditor<CModelDialogOf<CGen2MacroEditor>>(); }
