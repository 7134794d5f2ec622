// One input of the data library's fuzz run: the first byte picks what reads the rest, the second
// the model (wrapped onto 1..24). Each target checks what the program promises of it, not only that
// nothing faults: a load leaves whole, repaired records that save and load again unchanged; a
// refused import changes no list and no file; every frame keeps its length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace datafuzz {

enum class Target : uint8_t {
    ProData,        // pro.data: byte 2 bit 0 set: the rest is the whole file; clear: the rest follows
                    // a header holding only its first four bytes (the current profile)
    MacroData,      // macro.data: the rest is the file
    ProfileImport,  // an exported profile: the rest is the file
    MacroImport,    // an exported macro: the rest is the file
    RecordFrames,   // the rest is one profile as the model's file keeps it (zero-filled, cut to a
                    // record): every frame built from it as it is, before any repair
    Decoders,       // the rest as event values, id bytes and frames to cut into pieces
    Count,
};

// The input a target reads for a model: target byte, model byte, mode byte, then the payload.
std::vector<uint8_t> InputOf(Target eTarget, int iModel, uint8_t byMode, const std::vector<uint8_t>& payload);

// Runs one input in the scratch folder of the process. A broken promise aborts (the fuzzer reports
// the input); every fault the sanitizers see does the same.
void RunInput(const uint8_t* pData, size_t uSize);

}  // namespace datafuzz
