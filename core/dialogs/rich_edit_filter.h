// The digit filters of the numeric edits, applied to the edit itself: the "textchanged"
// handlers of the pages and pickers pass the edit and its current text. Only when the filter
// removed something is the filtered text written back, with the caret at its end; an
// unchanged text is left alone, so the caret stays where the user put it.
#pragma once

#include "ui/ui.h"
#include "core/util/edit_filter.h"

// Keeps '0'..'9'.
void FilterDigits(DuiLib::CRichEditUI* pEdit, DuiLib::CDuiString strText);
// Keeps '0'..'9' and '-'.
void FilterSignedDigits(DuiLib::CRichEditUI* pEdit, DuiLib::CDuiString strText);
