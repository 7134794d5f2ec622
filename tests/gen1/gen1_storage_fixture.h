// The storage tests' fixture: one model's data folder in a scratch folder, pro.data images made
// by the test itself, and macro records built in place (storage_kit.h).
#pragma once

#include "models/pages/button_functions.h"
#include "models/data/gen1_storage.h"
#include "tests/gen1/gen1_test_util.h"
#include "models/data/name_helpers.h"
#include "tests/kit/storage_kit.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace gen1test {

using testkit::Aside;
using testkit::BytesOf;
using testkit::IntAt;
using testkit::Texts;
using testkit::Zeroed;

struct ModelFiles : testkit::StorageFiles<Gen1Storage> {
    ModelFiles(int iModel, const std::wstring& strTest)
        : StorageFiles(ModelOf(iModel), L"gen1_scratch_" + strTest + L"_" + std::to_wstring(iModel)) {}
};

inline std::unique_ptr<MacroRecord> Macro(const std::wstring& strName, std::initializer_list<MacroAction> actions) {
    return testkit::MacroOf<MacroRecord>(strName, actions);
}

// A button entry that plays macros[iMacro] in loop mode 1, five times, with the macro's copy.
inline void PlayMacro(KeyEntry& entry, const MacroList& macros, int iMacro) {
    CopyMacroInto(entry, *macros[static_cast<size_t>(iMacro)]);
    entry.byFunction = kFunctionMacro;
    entry.iMacroIndex = iMacro;
    entry.iLoopMode = 1;
    entry.iLoopCount = 5;
}

}  // namespace gen1test
