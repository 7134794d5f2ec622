#include "models/pages/button_captions.h"

#include "core/util/key_text.h"

uint8_t FunctionOfMenuItem(std::wstring_view strItem, std::wstring_view strPrefix) {
    if (strItem.size() < strPrefix.size() || !NamesEqualNoCase(strItem.substr(0, strPrefix.size()), strPrefix))
        return kFunctionLeftClick;
    const std::wstring_view strRest = strItem.substr(strPrefix.size());
    for (const KeyFunctionRow& row : KeyFunctionTable)
        if (row.pszMenuItem != nullptr && NamesEqualNoCase(strRest, row.pszMenuItem)) return row.byId;
    return kFunctionLeftClick;
}

std::vector<std::wstring> MenuItemNames() {
    std::vector<std::wstring> names;
    for (const KeyFunctionRow& row : KeyFunctionTable)
        if (row.pszMenuItem != nullptr) names.emplace_back(row.pszMenuItem);
    return names;
}

std::wstring ShortcutCaption(uint8_t byModifiers, uint8_t byUsage, const TextLookup& text) {
    static constexpr struct {
        uint8_t byBit;
        const wchar_t* pszId;
    } kModifiers[] = {{1, L"keyboard_ctrl_text"}, {2, L"keyboard_shift_text"}, {4, L"keyboard_alt_text"},
                      {8, L"keyboard_win_text"}};
    std::wstring strCaption;
    for (const auto& modifier : kModifiers)
        if ((byModifiers & modifier.byBit) != 0) strCaption += text(modifier.pszId) + L"+";
    return strCaption + UsageToKeyText(byUsage);
}

KeyMenuPlace PlaceKeyMenu(const RECT& rcWindow, const RECT& rcButton, int nRows, int cyScreen) {
    const int cyMenu = kMenuRowHeight * nRows + 4;
    const LONG yTop = rcWindow.top + rcButton.top;
    KeyMenuPlace place{{rcWindow.left + rcButton.right, yTop}, false};
    if (yTop + cyMenu >= cyScreen) {
        place.pt.y = yTop + 25 - cyMenu;
        place.bMovedUp = true;
    }
    return place;
}
