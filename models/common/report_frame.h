// The common shape of command frames: report id, total length, index byte, payload and a 16-bit
// byte sum stored high byte first; and the 64-byte pieces a long macro frame travels in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

using FrameBytes = std::vector<uint8_t>;

// A zeroed frame of uLength bytes that begins with its id, its length and the index byte.
FrameBytes NewFrame(uint8_t byReportId, size_t uLength, uint8_t byIndex = 1);

// Sum of the bytes from byte 3 up to uAt, as a 16-bit number that wraps.
uint16_t FrameSum(const FrameBytes& frame, size_t uAt);
// Writes that sum at uAt (high byte) and uAt + 1 (low byte).
void PutChecksum(FrameBytes& frame, size_t uAt);

// A macro frame goes out as 64-byte feature reports: 09, 40, the frame's index byte, the piece
// number, then 60 frame bytes from byte 3 + 60 x piece on (zero past the frame's end). Over the
// 2.4 GHz receiver the third piece carries 0C in its byte 1.
enum class ChunkLink : uint8_t { Cable, Receiver };
constexpr size_t kMacroChunkSize = 64;
constexpr size_t kMacroChunkPayload = 60;
using MacroChunk = std::array<uint8_t, kMacroChunkSize>;

// Pieces that cover bytes 3 to the end of the frame.
int MacroChunkCount(const FrameBytes& frame);
MacroChunk BuildMacroChunk(const FrameBytes& frame, int iPiece, ChunkLink eLink);
