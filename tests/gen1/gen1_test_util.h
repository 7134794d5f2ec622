// Helpers of the first-generation tests: frames as hex text, files on disk in a scratch folder
// under the test's working folder (file_kit.h), and the models that share one implementation.
#pragma once

#include "tests/kit/file_kit.h"
#include "models/data/gen1_model.h"
#include "models/data/report_frame.h"

#include <string>

namespace gen1test {

inline const int kGen1Models[] = {10, 1, 2, 3, 4, 5, 6, 7, 9};

inline const Gen1Model& ModelOf(int iNumber) { return *FindGen1Model(iNumber); }

using testkit::FileExists;
using testkit::ReadBytes;
using testkit::RemoveTree;
using testkit::ToHex;
using testkit::WriteBytes;

class ScratchFolder : public testkit::ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& strName) : testkit::ScratchFolder(L"gen1_scratch_" + strName) {}
};

}  // namespace gen1test
