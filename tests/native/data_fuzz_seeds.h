// The fuzz run's seeds: the files the program writes for every model (its default pro.data, a
// macro.data, an exported profile and macro), each as the input of the target that reads it.
#pragma once

#include <cstdint>
#include <vector>

namespace datafuzz {

std::vector<std::vector<uint8_t>> SeedInputs();

}  // namespace datafuzz
