// What the data files' storage could not do, reported for the person using the program: the
// storage has no windows, so it only reports; the program shows a message (once per kind and run).
#pragma once

#include <cstdint>
#include <functional>

enum class StorageProblem : uint8_t {
    SaveFailed,  // a data file could not be written (disk full, held past every retry, ...)
    LoadFailed,  // a data file could not be read at start: it is left as it is and never saved over
};

using StorageProblemSink = std::function<void(StorageProblem)>;

// The program's receiver of problems (empty: none). Any thread.
void SetStorageProblemSink(StorageProblemSink sink);
// Called by the storage on whatever thread met the problem.
void ReportStorageProblem(StorageProblem eProblem);
