// libFuzzer's entry into the data library (data_fuzz_harness.h says what each input drives).
#include "tests/native/data_fuzz_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize) {
    datafuzz::RunInput(pData, uSize);
    return 0;
}
