// What a person sees of a window's layout, checked from its controls after the layout ran: text
// that does not fit the room its control gives it at the font the control names, and controls of
// a scrolling column that run into its scroll bar or over a neighbour in their row. Each finding
// is one line naming the control, for a test to print.
#pragma once

#include "ui/ui.h"

#include <string>
#include <vector>

namespace uikit {

// Shown text controls (labels, buttons, options, check boxes; not edits, whose text is the
// user's) under pRoot whose text is wider than the room inside their text padding, or on one
// line taller than the control. Wrapped text counts when it needs more lines than fit.
std::vector<std::string> TextsCut(DuiLib::CControlUI* pRoot);

// The same for one text as the control would show it: empty when it fits, else the finding.
std::string TextCut(DuiLib::CControlUI* pControl, const std::wstring& strText);

// Shown controls of a fixed width in the scrolling column that end closer than iGap pixels to
// its scroll bar (or to its edge without one), and shown controls of a row that overlap the next
// shown control of that row.
std::vector<std::string> ControlsCrowded(DuiLib::CContainerUI* pColumn, int iGap);

}  // namespace uikit
