// Change detection of the second generation: which groups of frames an apply must send, found by
// comparing the current profile with the copy last sent. One routine for every second-generation
// page (subsystems 3, 6, 7 and 8).
#pragma once

#include "gen2_records.h"

struct ChangeFlags {
    bool bDpiChanged = false;    // frame 0x04
    bool bRateChanged = false;   // frame 0x06
    bool bLightChanged = false;  // frame 0x05
    bool bKeyChanged = false;    // frame 0x08
    bool bMacroChanged[kButtonCount] = {};  // button k's macro blocks (0x09), when it has a macro

    bool Any() const;
};

// Every flag set: the full send after a load, a profile switch, a reset or an import.
ChangeFlags AllChanged();

// Compares the groups field by field. Fields outside them (the name, the extra strings, the
// parameters nothing sends, iMoveMode, dwColor2) set nothing. A changed macro always changes the
// key entries too, so it also sets bKeyChanged.
ChangeFlags DiffProfile(const ProfileRecordEx& current, const ProfileRecordEx& sent);
