#include "models/data/gen2_frames.h"

#include "models/data/key_function_table.h"

#include <algorithm>

namespace {

constexpr uint8_t kLongDelayMark = 0x03;  // ends the pair that carries a long delay's hundreds
constexpr int kShortDelayMaxMs = 127;

int ActionCount(const KeyEntryEx& entry) { return std::min<int>(entry.wActionNum, kMacroActionMaxEx); }

bool IsLongDelay(const MacroActionEx& action) { return action.wDelay > kShortDelayMaxMs; }

// Bytes an action takes in a macro block: a key or button 2, a move 6, and 2 more for a long delay.
int ActionBytes(const MacroActionEx& action) {
    return (action.byType == kActionMove ? 6 : 2) + (IsLongDelay(action) ? 2 : 0);
}

// Writes the action's bytes at pOut and returns how many. A short delay goes whole in the first
// byte (0 as 1); a long one as its remainder of 100 (0 as 1) there and its hundreds in a pair of
// its own. Key events OR their press or release flag into the first byte.
int EncodeAction(const MacroActionEx& action, uint8_t* pOut) {
    const int iDelay = std::min<int>(action.wDelay, kMacroDelayMaxMs);
    const bool bLong = IsLongDelay(action);
    const int iFirst = bLong ? iDelay % 100 : iDelay;
    const auto byDelay = static_cast<uint8_t>(iFirst != 0 ? iFirst : 1);
    int n = 0;
    if (action.byType == kActionMove) {
        pOut[n++] = byDelay;
        pOut[n++] = kMouseMove;
        for (const int32_t iOffset : {action.iX, action.iY}) {  // 16-bit two's complement, high byte first
            pOut[n++] = static_cast<uint8_t>((iOffset >> 8) & 0xFF);
            pOut[n++] = static_cast<uint8_t>(iOffset & 0xFF);
        }
    } else {
        pOut[n++] = static_cast<uint8_t>(byDelay | (action.byType == kActionPress ? 0x01 : 0x81));
        pOut[n++] = action.byKey;
    }
    if (bLong) {
        pOut[n++] = static_cast<uint8_t>(iDelay / 100);
        pOut[n++] = kLongDelayMark;
    }
    return n;
}

// The first action after the block that begins at iStart: whole actions while they fit.
int BlockEnd(const MacroActionEx* pActions, int iCount, int iStart) {
    int iBytes = 0;
    int i = iStart;
    while (i < iCount && iBytes + ActionBytes(pActions[i]) <= kMacroBlockBytes) iBytes += ActionBytes(pActions[i++]);
    return i;
}

}  // namespace

FrameBytes BuildDpiReport(const Gen2Model& model, const ProfileRecordEx& p) {
    return BuildDpiReport(model.eDpiCodec, p, model.byDpiFrameTail);
}

FrameBytes BuildLightReport(const Gen2Model& model, const ProfileRecordEx& p) {
    return BuildLightReport(model.eLightCodec, p);
}

namespace {
constexpr uint8_t kOneHotCodes[] = {0x08, 0x04, 0x02};  // the three slower rates; the fastest is 01
constexpr int kOneHotFastest = 3;
}  // namespace

uint8_t RateCode(const Gen2Model& model, const ProfileRecordEx& p) {
    if (model.eRateCodec == RateCodec::OneHot)
        return p.iRate >= 0 && p.iRate < kOneHotFastest ? kOneHotCodes[p.iRate] : 0x01;
    return static_cast<uint8_t>((FrameNibble(p.iRateHs + 1) << 4) | FrameNibble(p.iRate + 1));
}

int RateIndexOfOneHotCode(int iCode) {
    for (int i = 0; i < kOneHotFastest; ++i)
        if (kOneHotCodes[i] == iCode) return i;
    return kOneHotFastest;
}

FrameBytes BuildRateReport(const Gen2Model& model, const ProfileRecordEx& p) {
    FrameBytes frame = NewFrame(kRateReportId, kRateReportLength);
    const uint8_t byCode = RateCode(model, p);
    frame[3] = byCode;
    frame[4] = static_cast<uint8_t>(~byCode);
    return frame;
}

bool IsMacroFunctionEx(uint8_t byFunction) { return byFunction == kFunctionMacro || byFunction == kFunctionMacroColour; }

std::array<uint8_t, 3> KeyFunctionBytes(const Gen2Model& model, int k, const KeyEntryEx& entry) {
    // A macro button names its macro to the mouse by its first block.
    const uint8_t byBlock = (k >= 0 && k < kButtonCount) ? FrameByte(model.iMacroBlock[k]) : 0;
    return KeyFunctionBytes(entry, FindKeyFunctionEx(entry.byFunction), IsMacroFunctionEx(entry.byFunction), byBlock);
}

FrameBytes BuildKeyReport(const Gen2Model& model, const ProfileRecordEx& p) {
    return BuildKeyReportWith(p, [&](const KeyEntryEx& entry, int k) { return KeyFunctionBytes(model, k, entry); });
}

MacroReportBlock BuildMacroReport(const MacroFrameShape& shape, const KeyEntryEx& entry, int iBlock, int iStartAction,
                                  bool bMayContinue) {
    FrameBytes frame = NewFrame(kMacroReportId, shape.byLength, FrameByte(iBlock));
    const int iCount = ActionCount(entry);
    const int iStart = std::clamp(iStartAction, 0, iCount);
    if (iStart == 0) {
        frame[3] = FrameByte(entry.iLoopMode);
        std::copy(entry.byColor, entry.byColor + 3, frame.begin() + 4);
        frame[7] = MacroLoopCountByte(entry.iLoopCount);
    }
    const int iEnd = BlockEnd(entry.stActions, iCount, iStart);
    const size_t uFirstAt = shape.byFirstPairAt;
    size_t uAt = uFirstAt;
    for (int i = iStart; i < iEnd; ++i) uAt += static_cast<size_t>(EncodeAction(entry.stActions[i], frame.data() + uAt));
    const bool bContinues = iEnd < iCount && bMayContinue;
    if (bContinues) {
        frame[uAt++] = FrameByte(iBlock + 1);
        frame[uAt++] = kMacroContinue;
    }
    frame[shape.byCountAt] = static_cast<uint8_t>((uAt - uFirstAt) / 2);  // every unit is two bytes
    PutChecksum(frame, static_cast<size_t>(shape.ChecksumAt()));
    return {std::move(frame), iEnd, bContinues};
}

std::vector<FrameBytes> BuildMacroChain(const Gen2Model& model, int k, const KeyEntryEx& entry) {
    std::vector<FrameBytes> blocks;
    if (k < 0 || k >= kButtonCount || model.iMacroBlock[k] <= 0) return blocks;
    int iStart = 0;
    for (int b = 0; b < kMacroBlocksPerButton; ++b) {
        // The fourth block may not point on: the next number is another button's first block.
        MacroReportBlock block =
            BuildMacroReport(model.macroFrame, entry, model.iMacroBlock[k] + b, iStart, b + 1 < kMacroBlocksPerButton);
        blocks.push_back(std::move(block.frame));
        if (!block.bContinues) break;
        iStart = block.iNextAction;
    }
    return blocks;
}

int MacroEventTotal(const MacroActionEx* pActions, int iCount) {
    iCount = std::clamp(iCount, 0, kMacroActionMaxEx);
    int iTotal = 0;
    for (int i = 0; i < iCount; ++i) iTotal += ActionBytes(pActions[i]) / 2;
    return iTotal;
}

int MacroBlocksNeeded(const MacroActionEx* pActions, int iCount) {
    iCount = std::clamp(iCount, 0, kMacroActionMaxEx);
    int iBlocks = 1;
    for (int i = BlockEnd(pActions, iCount, 0); i < iCount; i = BlockEnd(pActions, iCount, i)) ++iBlocks;
    return iBlocks;
}

bool MacroFitsFrame(const MacroActionEx* pActions, int iCount) {
    if (iCount < 0 || iCount > kMacroActionMaxEx) return false;
    return MacroEventTotal(pActions, iCount) <= kMacroEventMax &&
           MacroBlocksNeeded(pActions, iCount) <= kMacroBlocksPerButton;
}

bool MacroFitsFrame(const MacroRecordEx& macro) { return MacroFitsFrame(macro.stActions, macro.iActionNum); }
