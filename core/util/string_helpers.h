// Small string helpers: the menu router's prefix match, numbered control names and the
// conversions between wide text and the ANSI code page.
#pragma once

#include <string>
#include <string_view>

// True when the shorter string is the beginning of the longer one, case-sensitive; an empty
// string matches anything. The menu router finds the page whose prefix ("ms_10_") begins an
// item name with it.
bool MatchPrefix(std::wstring_view strA, std::wstring_view strB);

// A name with one number in it: the pattern's %d becomes i (L"dpi_edit_%d", 3 -> L"dpi_edit_3").
// A name is cut at 127 characters.
std::wstring NumberedName(const wchar_t* pszPattern, int i);

// Text in the ANSI code page (hidapi's device paths, hardware ids) as wide text; empty when
// nothing converts. The one conversion that way of the program.
std::wstring AnsiToWide(std::string_view strAnsi);

// The text in the ANSI code page (characters it lacks become its default character); empty
// when nothing converts.
std::string WideToAnsi(std::wstring_view strWide);
