// Writes the fuzz run's seed corpus into the folder named on the command line, one file a seed.
#include "tests/native/data_fuzz_seeds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: data_fuzz_seeds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto seeds = datafuzz::SeedInputs();
    for (size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream file(folder / ("seed_" + std::to_string(i)), std::ios::binary);
        file.write(reinterpret_cast<const char*>(seeds[i].data()), static_cast<std::streamsize>(seeds[i].size()));
        if (!file) return 1;
    }
    std::printf("%zu seeds in %s\n", seeds.size(), folder.c_str());
    return seeds.empty() ? 1 : 0;
}
