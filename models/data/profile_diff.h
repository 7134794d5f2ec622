// Change detection of both generations: which groups of frames an apply must send, found by
// comparing the current profile with the copy last sent. The two generations' records share
// their head and key-entry shape, so one comparison serves every model page.
#pragma once

#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"

struct ChangeFlags {
    bool bDpiChanged = false;    // frame 0x04
    bool bRateChanged = false;   // frame 0x06
    bool bLightChanged = false;  // frame 0x05
    bool bKeyChanged = false;    // frame 0x08
    bool bMacroChanged[kButtonCount] = {};  // button k's macro (0x09), when it has a macro

    bool Any() const;
};

// Every flag set: the full send after a load, a profile switch, a reset or an import.
ChangeFlags AllChanged();

// Compares the groups field by field. Fields outside them (the name, the extra strings, the
// parameters nothing sends, iMoveMode, dwColor2) set nothing. A changed macro always changes the
// key entries too, so it also sets bKeyChanged. Fields a model's file layout lacks stay zero in
// both records (iLightOff of layout A, iRateHs and iSensorMode of the first generation), so they
// never differ there.
ChangeFlags DiffProfile(const ProfileRecord& current, const ProfileRecord& sent);
ChangeFlags DiffProfile(const ProfileRecordEx& current, const ProfileRecordEx& sent);
