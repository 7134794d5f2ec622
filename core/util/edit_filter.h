// The digit filters of the numeric edits, as pure text functions: the edit's current text in,
// the filtered text and where the caret goes out. The overloads that apply them to a rich edit
// are in dialogs/rich_edit_filter.h.
#pragma once

#include <string>
#include <string_view>

struct FilteredText {
    std::wstring strText;  // the text without the refused characters
    bool bChanged;         // something was removed: write strText back into the edit
    int iCaret;            // caret after a write-back: the end of the new text
};

// Keeps '0'..'9' only.
FilteredText FilterDigits(std::wstring_view strText);
// Keeps '0'..'9' and '-' (anywhere, so a sign can be typed before or after the digits).
FilteredText FilterSignedDigits(std::wstring_view strText);

// The decimal number at the start of a text ('-' first too when bSigned), saturated at llLimit
// either way, so a long run of digits never wraps; 0 when the text starts with no number.
long long LeadingNumber(std::wstring_view strText, long long llLimit, bool bSigned = false);
