// First-generation command frames, built from a profile (or one key entry) and the model's
// description. Every builder writes inside its frame whatever the record holds. The start, DPI
// and light frames are the shared builders of profile_frames.h with the model's codecs.
#pragma once

#include "models/data/gen1_model.h"
#include "models/data/gen1_records.h"
#include "models/data/profile_frames.h"
#include "models/data/report_frame.h"

// A macro delay above this takes two pairs in the macro frame (and two events in the editor's
// count): the remainder of 200 ms with the key, then the number of 200 ms steps.
constexpr int kShortDelayMaxMs = 1270;

FrameBytes BuildDpiReport(const Gen1Model& model, const ProfileRecord& profile);
FrameBytes BuildLightReport(const Gen1Model& model, const ProfileRecord& profile);
FrameBytes BuildRateReport(const Gen1Model& model, const ProfileRecord& profile);
FrameBytes BuildKeyReport(const ProfileRecord& profile);
// iButton is the button number 1..18 the frame names.
FrameBytes BuildMacroReport(const Gen1Model& model, int iButton, const KeyEntry& entry);

// Type, code 1 and code 2 that frame 0x08 sends for button iButton (1..18).
std::array<uint8_t, 3> KeyFunctionBytes(const KeyEntry& entry, int iButton);

// Pairs (the editor's events) that actions take: one each, two for a delay above 1270 ms.
int MacroPairCount(const MacroAction* pActions, int iCount);
// True when a macro's actions fit a key entry and all their pairs fit the model's macro frame.
bool MacroFitsFrame(const Gen1Model& model, const MacroRecord& macro);
