// The way of a key through the program: a captured virtual key becomes the HID usage of the
// physical key (what profiles, macros and frames store), and a stored usage becomes the caption
// the user's own keyboard prints on that key. Layout and language come from key_services.h.
#pragma once

#include <string>

// Writes the usage of a virtual key and returns true; false with usage 0 when the key has no
// row. Letters, digits, punctuation and the function keys go through the scan code, so on a
// non-US layout the usage is that of the key position (the key labelled A on an AZERTY
// keyboard gives the usage of Q); navigation, keypad and modifier keys map directly.
bool VirtualKeyToUsage(int iVirtualKey, int& iUsage);

// Display text of a virtual key: the language text of its text id for keys without a
// character of their own, else the upper-cased character(s) the current layout gives the key
// with no modifier held; empty when the layout gives none.
std::wstring VirtualKeyToKeyText(int iVirtualKey);

// Display text of a stored usage or mouse-button code (241..245): letters, digits and
// punctuation as the character of the current layout, other keys and the mouse buttons as
// language texts; empty for codes without a text.
std::wstring UsageToKeyText(int iUsage);
