// The common shape of command frames: report id, total length, index byte, payload and a 16-bit
// byte sum stored high byte first; the 64-byte pieces a long macro frame travels in over the
// cable and the 2.4 GHz receiver; and the 65-byte reports that carry a frame to the 4K receiver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

using FrameBytes = std::vector<uint8_t>;

// A value as one frame byte (its low 8 bits) or as one half of a byte (its low 4 bits).
constexpr uint8_t FrameByte(int32_t iValue) { return static_cast<uint8_t>(iValue & 0xFF); }
constexpr uint8_t FrameNibble(int32_t iValue) { return static_cast<uint8_t>(iValue & 0x0F); }

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

// The 4K receiver takes a frame in 65-byte output reports: 04, the number of frame bytes carried
// + 5, the piece number, the frame bytes, then the 16-bit sum of all bytes before it (this
// report's header included, high byte first) and zeros. A macro frame (0x09) goes in pieces of
// 59 bytes (a 111-byte frame: 59 and 52), any other frame whole in piece 0.
constexpr size_t kWireless4kFrameSize = 65;
constexpr size_t kWireless4kHeader = 3;
constexpr size_t kWireless4kMacroPiece = 59;
constexpr size_t kWireless4kPayloadMax = kWireless4kFrameSize - kWireless4kHeader - 2;
using Wireless4kFrame = std::array<uint8_t, kWireless4kFrameSize>;

int Wireless4kPieceCount(const FrameBytes& frame);
// Piece iPiece of the frame; a frame longer than one report carries no more than fits.
Wireless4kFrame BuildWireless4kFrame(const FrameBytes& frame, int iPiece);
