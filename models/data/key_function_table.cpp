#include "models/data/key_function_table.h"

namespace {

// clang-format off
constexpr std::array<KeyFunctionRow, kKeyFunctionRowCount> kRows = {{
    {0, 0x01, 0x00, 0x00, 0, L"button_off_text", L"button_off"},
    {1, 0x02, 0x00, 0x00, 0, L"left_click_text", L"click"},
    {2, 0x03, 0x00, 0x00, 0, L"right_click_text", L"menu"},
    {3, 0x04, 0x00, 0x00, 0, L"wheel_click_text", L"scroll"},
    {4, 0x06, 0x00, 0x00, 0, L"forward_text", L"forward"},
    {5, 0x05, 0x00, 0x00, 0, L"backward_text", L"backward"},
    {6, 0x0D, 0x00, 0x00, 0, L"dpi_cycle_text", L"dpi_cycle"},
    {7, 0x0E, 0x00, 0x00, 0, L"dpi_up_text", L"dpi_up"},
    {8, 0x0F, 0x00, 0x00, 0, L"dpi_down_text", L"dpi_down"},
    {9, 0x07, 0x00, 0x00, 0, L"double_click_text", L"double_click"},
    {10, 0x08, 0x00, 0x00, 0, L"fire_button_text", L"fire_button"},
    {11, 0x09, 0x00, 0x00, 0, L"scroll_up_text", L"scroll_up"},
    {12, 0x0A, 0x00, 0x00, 0, L"scroll_down_text", L"scroll_down"},
    {13, 0x0B, 0x00, 0x00, 0, L"titl_left_text", L"titl_left"},
    {14, 0x0C, 0x00, 0x00, 0, L"titl_right_text", L"titl_right"},
    {16, 0x11, 0x00, 0x00, 0, nullptr, L"shortcut"},       // sends the entry's modifiers and usage
    {17, 0x12, 0x00, 0x00, 0, nullptr, L"select_macro"},   // sends 0 and the button number
    {19, 0x13, 0x00, 0x00, 0, nullptr, nullptr},
    {21, 0x2B, 0x00, 0x00, 0, nullptr, nullptr},
    {22, 0x10, 0x00, 0x03, 0, L"easy_aim_text", L"easy_aim"},
    {23, 0x29, 0x00, 0x03, 0, L"led_loop_text", L"led_loop"},
    {24, 0x28, 0x00, 0x00, 0, nullptr, nullptr},
    {32, 0x11, 0x01, 0x1B, 0, L"cut_text", L"cut"},
    {33, 0x11, 0x01, 0x06, 0, L"copy_text", L"copy"},
    {34, 0x11, 0x01, 0x19, 0, L"paste_text", L"paste"},
    {35, 0x11, 0x01, 0x12, 0, L"open_text", L"open"},
    {36, 0x11, 0x01, 0x16, 0, L"save_text", L"save"},
    {37, 0x11, 0x01, 0x09, 0, L"find_text", L"find"},
    {38, 0x11, 0x01, 0x1C, 0, L"redo_text", L"redo"},
    {39, 0x11, 0x01, 0x1D, 0, L"undo_text", nullptr},
    {40, 0x11, 0x01, 0x04, 0, L"select_all_text", L"select_all"},
    {41, 0x11, 0x01, 0x13, 0, L"print_text", L"print"},
    {42, 0x11, 0x04, 0x3D, 0, L"close_window_text", L"close_window"},
    {43, 0x11, 0x04, 0x2B, 0, L"swap_windows_text", L"swap_windows"},
    {44, 0x11, 0x08, 0x07, 0, L"show_desktop_text", L"show_desktop"},
    {45, 0x11, 0x08, 0x15, 0, L"run_command_text", L"run_command"},
    {46, 0x11, 0x08, 0x0F, 0, L"lock_pc_text", L"lock_pc"},
    {47, 0x11, 0x01, 0x11, 0, nullptr, nullptr},
    {48, 0x11, 0x01, 0x2E, 0, nullptr, nullptr},
    {49, 0x11, 0x01, 0x2D, 0, nullptr, nullptr},
    {50, 0x11, 0x0A, 0x16, 0, L"screen_capture_text", L"screen_capture"},
    {52, 0x3C, 0x00, 0x00, 0, nullptr, nullptr},
    {54, 0x34, 0x00, 0x00, 0, L"profile_cycle_text", nullptr},
    {55, 0x35, 0x00, 0x00, 0, L"profile_up_text", nullptr},
    {56, 0x36, 0x00, 0x00, 0, L"profile_down_text", nullptr},
    {64, 0x15, 0x00, 0x00, 0, L"media_player_text", L"media_player"},
    {65, 0x18, 0x00, 0x00, 0, L"play_pause_text", L"play_pause"},
    {66, 0x19, 0x00, 0x00, 0, L"media_stop_text", L"media_stop"},
    {67, 0x16, 0x00, 0x00, 0, L"previous_track_text", L"pre_track"},
    {68, 0x17, 0x00, 0x00, 0, L"next_track_text", L"next_track"},
    {69, 0x1B, 0x00, 0x00, 0, L"volume_up_text", L"volume_up"},
    {70, 0x1C, 0x00, 0x00, 0, L"volume_down_text", L"volume_down"},
    {71, 0x1A, 0x00, 0x00, 0, L"mute_text", L"mute"},
    {80, 0x25, 0x00, 0x00, 0, L"browser_home_text", L"browser_home"},
    {81, 0x11, 0x03, 0x12, 0, L"browser_favorites_text", L"browser_favorites"},
    {82, 0x20, 0x00, 0x00, 2, L"browser_forward_text", L"browser_forward"},
    {83, 0x21, 0x00, 0x00, 0, L"browser_backward_text", L"browser_backward"},
    {84, 0x22, 0x00, 0x00, 0, L"browser_stop_text", L"browser_stop"},
    {85, 0x24, 0x00, 0x00, 0, L"browser_refresh_text", L"browser_refresh"},
    {86, 0x26, 0x00, 0x00, 0, L"browser_search_text", L"browser_search"},
    {87, 0x1E, 0x00, 0x00, 0, L"email_text", L"email"},
    {88, 0x1D, 0x00, 0x00, 0, L"calculator_text", L"calculator"},
    {89, 0x23, 0x00, 0x00, 0, L"my_computer_text", L"my_computer"},
    {115, 0x14, 0x00, 0x00, 0, nullptr, nullptr},
}};
// clang-format on

// A macro that carries a colour: sends 0 and the button's macro block. The menu offers it through
// "select_macro" and the picker's colour switch, so it has no item of its own.
constexpr KeyFunctionRow kMacroColourRow = {25, 0x3A, 0x00, 0x00, 0, nullptr, nullptr};

// The first generation's rows with the colour macro's row in id order.
constexpr std::array<KeyFunctionRow, kKeyFunctionRowCountEx> WithMacroColourRow() {
    std::array<KeyFunctionRow, kKeyFunctionRowCountEx> rows{};
    size_t uTo = 0;
    bool bPlaced = false;
    for (const KeyFunctionRow& row : kRows) {
        if (!bPlaced && row.byId > kMacroColourRow.byId) {
            rows[uTo++] = kMacroColourRow;
            bPlaced = true;
        }
        rows[uTo++] = row;
    }
    if (!bPlaced) rows[uTo] = kMacroColourRow;
    return rows;
}

template <size_t N>
const KeyFunctionRow* FindIn(const std::array<KeyFunctionRow, N>& table, uint8_t byId) {
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        if (it->byId == byId) return &*it;
    return nullptr;
}

}  // namespace

const std::array<KeyFunctionRow, kKeyFunctionRowCount> KeyFunctionTable = kRows;
const std::array<KeyFunctionRow, kKeyFunctionRowCountEx> KeyFunctionTableEx = WithMacroColourRow();

const KeyFunctionRow* FindKeyFunction(uint8_t byId) { return FindIn(KeyFunctionTable, byId); }
const KeyFunctionRow* FindKeyFunctionEx(uint8_t byId) { return FindIn(KeyFunctionTableEx, byId); }

const wchar_t* KeyFunctionCaption(uint8_t byId) {
    if (byId == 51) return L"task_view_text";  // a caption without device bytes; no menu offers it
    const KeyFunctionRow* pRow = FindKeyFunction(byId);
    return pRow != nullptr ? pRow->pszCaption : nullptr;
}
