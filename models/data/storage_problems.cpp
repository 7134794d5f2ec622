#include "models/data/storage_problems.h"

#include <mutex>

namespace {

std::mutex& SinkLock() {
    static std::mutex lock;
    return lock;
}

StorageProblemSink& Sink() {
    static StorageProblemSink sink;
    return sink;
}

}  // namespace

void SetStorageProblemSink(StorageProblemSink sink) {
    std::lock_guard guard(SinkLock());
    Sink() = std::move(sink);
}

void ReportStorageProblem(StorageProblem eProblem) {
    StorageProblemSink sink;
    {
        std::lock_guard guard(SinkLock());
        sink = Sink();
    }
    if (sink) sink(eProblem);
}
