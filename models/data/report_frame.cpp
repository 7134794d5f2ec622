#include "models/data/report_frame.h"

#include <algorithm>
#include <utility>

FrameBytes NewFrame(uint8_t byReportId, size_t uLength, uint8_t byIndex) {
    FrameBytes frame(uLength, 0);
    frame[0] = byReportId;
    frame[1] = static_cast<uint8_t>(uLength);
    frame[2] = byIndex;
    return frame;
}

uint16_t FrameSum(const FrameBytes& frame, size_t uAt) {
    uint16_t wSum = 0;
    for (size_t i = 3; i < uAt && i < frame.size(); ++i) wSum = static_cast<uint16_t>(wSum + frame[i]);
    return wSum;
}

void PutChecksum(FrameBytes& frame, size_t uAt) {
    if (uAt + 1 >= frame.size()) return;
    const uint16_t wCheckSum = FrameSum(frame, uAt);
    frame[uAt] = static_cast<uint8_t>(wCheckSum >> 8);
    frame[uAt + 1] = static_cast<uint8_t>(wCheckSum & 0xFF);
}

int MacroChunkCount(const FrameBytes& frame) {
    if (frame.size() <= 3) return 0;
    return static_cast<int>((frame.size() - 3 + kMacroChunkPayload - 1) / kMacroChunkPayload);
}

MacroChunk BuildMacroChunk(const FrameBytes& frame, int iPiece, ChunkLink eLink) {
    MacroChunk chunk{};
    chunk[0] = 0x09;
    chunk[1] = (eLink == ChunkLink::Receiver && iPiece == 2) ? 0x0C : 0x40;
    chunk[2] = frame.size() > 2 ? frame[2] : 0;
    chunk[3] = static_cast<uint8_t>(iPiece);
    if (iPiece < 0) return chunk;
    const size_t uFrom = 3 + kMacroChunkPayload * static_cast<size_t>(iPiece);
    for (size_t i = 0; i < kMacroChunkPayload && uFrom + i < frame.size(); ++i) chunk[4 + i] = frame[uFrom + i];
    return chunk;
}

namespace {
// Frame bytes that piece iPiece carries: [begin, end).
std::pair<size_t, size_t> Wireless4kSpan(const FrameBytes& frame, int iPiece) {
    const bool bMacro = !frame.empty() && frame[0] == 0x09;
    const size_t uPiece = bMacro ? kWireless4kMacroPiece : kWireless4kPayloadMax;
    const size_t uBegin = std::min(frame.size(), uPiece * static_cast<size_t>(std::max(iPiece, 0)));
    return {uBegin, std::min(frame.size(), uBegin + uPiece)};
}
}  // namespace

int Wireless4kPieceCount(const FrameBytes& frame) {
    if (frame.empty()) return 0;
    if (frame[0] != 0x09) return 1;
    return static_cast<int>((frame.size() + kWireless4kMacroPiece - 1) / kWireless4kMacroPiece);
}

Wireless4kFrame BuildWireless4kFrame(const FrameBytes& frame, int iPiece) {
    Wireless4kFrame report{};
    const auto [uBegin, uEnd] = Wireless4kSpan(frame, iPiece);
    const size_t uCarried = uEnd - uBegin;
    report[0] = 0x04;
    report[1] = static_cast<uint8_t>(uCarried + 5);
    report[2] = static_cast<uint8_t>(iPiece);
    std::copy(frame.begin() + static_cast<ptrdiff_t>(uBegin), frame.begin() + static_cast<ptrdiff_t>(uEnd),
              report.begin() + kWireless4kHeader);
    const size_t uSumAt = kWireless4kHeader + uCarried;
    uint16_t wCheckSum = 0;
    for (size_t i = 0; i < uSumAt; ++i) wCheckSum = static_cast<uint16_t>(wCheckSum + report[i]);
    report[uSumAt] = static_cast<uint8_t>(wCheckSum >> 8);
    report[uSumAt + 1] = static_cast<uint8_t>(wCheckSum & 0xFF);
    return report;
}
