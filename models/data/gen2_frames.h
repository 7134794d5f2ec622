// Second-generation command frames, built from a profile (or one key entry) and the model's
// description: every byte inside its frame whatever the record holds. The frames go to the send
// routine as they are; how each link carries them is report_frame.h's (MacroChunk,
// Wireless4kFrame).
#pragma once

#include "models/data/gen2_model.h"
#include "models/data/gen2_records.h"
#include "models/data/profile_frames.h"
#include "models/data/report_frame.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr size_t kMacroReportLength = kMacroFrame111.byLength;  // the shape most models use
constexpr int kMacroBlockBytes = 98;      // action bytes of one macro block, before the continuation pair
constexpr int kMacroBlocksPerButton = 4;  // the block numbers each macro button owns
constexpr int kMacroEventMax = 191;       // events a stored macro may take
constexpr int kMacroDelayMaxMs = 25000;   // a longer delay (from a file written elsewhere) is sent as this
constexpr uint8_t kMacroContinue = 0xFE;  // second byte of the continuation pair

// Frames 0x04 and 0x05 (the shared builders with the model's codecs) and 0x06, 0x08.
FrameBytes BuildDpiReport(const Gen2Model& model, const ProfileRecordEx& profile);
FrameBytes BuildLightReport(const Gen2Model& model, const ProfileRecordEx& profile);
FrameBytes BuildRateReport(const Gen2Model& model, const ProfileRecordEx& profile);
FrameBytes BuildKeyReport(const Gen2Model& model, const ProfileRecordEx& profile);

// The polling-rate code of byte 3 of frame 0x06, by the model's rate codec.
uint8_t RateCode(const Gen2Model& model, const ProfileRecordEx& profile);
// The rate index a one-hot code stands for: 08, 04 and 02 the three slower rates, any other value
// the fastest (index 3), as frame 0x06 sends an index past the three.
int RateIndexOfOneHotCode(int iCode);

// Functions 17 and 25: the button's macro, sent in macro blocks.
bool IsMacroFunctionEx(uint8_t byFunction);
// Type, code 1 and code 2 that frame 0x08 sends for button k (0..17).
std::array<uint8_t, 3> KeyFunctionBytes(const Gen2Model& model, int k, const KeyEntryEx& entry);

// One macro block (frame 0x09, in the given shape) of a button's macro: the actions from
// iStartAction on, with the loop mode, colour and loop count when iStartAction is 0. When the
// next action does not fit, the block ends with the continuation pair (iBlock + 1, FE) unless
// bMayContinue is false, and iNextAction is where the next block starts. Every shape holds 98
// bytes of actions and the pair.
struct MacroReportBlock {
    FrameBytes frame;
    int iNextAction;
    bool bContinues;
};
MacroReportBlock BuildMacroReport(const MacroFrameShape& shape, const KeyEntryEx& entry, int iBlock, int iStartAction,
                                  bool bMayContinue = true);

// Every block of button k's macro, in sending order: at most four, numbered from the button's
// iMacroBlock in the model description. A button without a macro slot (block 0) gets none. A
// macro that would need more blocks ends the fourth at its last whole action, without the
// continuation pair.
std::vector<FrameBytes> BuildMacroChain(const Gen2Model& model, int k, const KeyEntryEx& entry);

// The event total of actions (the editor's iTotalNum): 3 for a move, 1 for any other action, one
// more for each delay of 128 ms or more.
int MacroEventTotal(const MacroActionEx* pActions, int iCount);
// The macro blocks the actions take (1 for no action).
int MacroBlocksNeeded(const MacroActionEx* pActions, int iCount);
// The fit predicate: a count inside the record, an event total of at most 191, at most 4 blocks.
bool MacroFitsFrame(const MacroActionEx* pActions, int iCount);
bool MacroFitsFrame(const MacroRecordEx& macro);
