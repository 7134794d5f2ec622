// Parsing of skin attribute values: colours, rectangles, sizes, booleans, integers and
// attribute lists such as  bkcolor="#FF202020" text='abc' .
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace DuiLib {

// "#AARRGGBB", "#RRGGBB" (opaque), "0xAARRGGBB" or a decimal number; 0 when unreadable.
DWORD ParseColor(LPCWSTR pstrValue);
// "l,t,r,b" (missing parts are 0).
RECT ParseRect(LPCWSTR pstrValue);
// "cx,cy".
SIZE ParseSize(LPCWSTR pstrValue);
// "true"/"1" are true; anything else false.
bool ParseBool(LPCWSTR pstrValue);
// Decimal integer, or hexadecimal with a 0x prefix; 0 when unreadable.
int ParseInt(LPCWSTR pstrValue);

using AttributeList = std::vector<std::pair<std::wstring, std::wstring>>;
// name="value" pairs, values quoted with " or '; stops at the first malformed pair.
AttributeList ParseAttributeList(LPCWSTR pstrList);

}  // namespace DuiLib
