// Helpers of the second-generation tests: the models that share one implementation, their
// storage in a scratch folder (storage_kit.h), default profiles and macro actions built in place.
#pragma once

#include "models/pages/button_functions.h"
#include "tests/kit/file_kit.h"
#include "models/data/gen2_model.h"
#include "models/data/gen2_storage.h"
#include "tests/kit/storage_kit.h"

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace gen2test {

inline const int kGen2Models[] = {11, 8, 12, 13, 14, 16};
// The sensor models: the same page and records with the sensor mode (and their own frame 0x04).
inline const int kSensorModels[] = {15, 17, 21, 24};

inline const Gen2Model& ModelOf(int iNumber) { return *FindGen2Model(iNumber); }

inline std::string Name(int iModel) { return "MS_" + std::to_string(iModel); }

using testkit::Aside;
using testkit::BytesOf;
using testkit::FileExists;
using testkit::IntAt;
using testkit::ReadBytes;
using testkit::ToHex;
using testkit::WriteBytes;
using testkit::Zeroed;

struct ModelFiles : testkit::StorageFiles<Gen2Storage> {
    ModelFiles(int iModel, const std::wstring& strTest)
        : StorageFiles(ModelOf(iModel), L"gen2_scratch_" + strTest + L"_" + std::to_wstring(iModel)) {}
};

inline std::unique_ptr<ProfileRecordEx> DefaultProfile(int iModel) {
    auto pProfile = Zeroed<ProfileRecordEx>();
    Gen2Storage(ModelOf(iModel), L"unused", nullptr).SetDefaultProfile(*pProfile);
    return pProfile;
}

inline MacroActionEx Key(uint8_t byKey, uint8_t byType, uint16_t wDelay) {
    MacroActionEx action{};
    action.byKey = byKey;
    action.byType = byType;
    action.wDelay = wDelay;
    return action;
}

inline MacroActionEx Move(int32_t iX, int32_t iY, uint16_t wDelay) {
    MacroActionEx action{};
    action.byKey = kMouseMove;
    action.byType = kActionMove;
    action.wDelay = wDelay;
    action.iX = iX;
    action.iY = iY;
    return action;
}

inline std::unique_ptr<MacroRecordEx> Macro(const std::wstring& strName, std::initializer_list<MacroActionEx> actions) {
    return testkit::MacroOf<MacroRecordEx>(strName, actions);
}

// A button entry that carries these actions as a macro with function byFunction.
inline void CarryActions(KeyEntryEx& entry, uint8_t byFunction, const std::wstring& strName, const MacroActionEx* pActions,
                         int iCount) {
    entry.byFunction = byFunction;
    CopyName(entry.szMacroName, strName);
    entry.wActionNum = static_cast<uint16_t>(iCount);
    for (int i = 0; i < iCount; ++i) entry.stActions[i] = pActions[i];
}

// A button that plays macro i of `macros` with function byFunction as the picker's OK leaves it:
// the third play mode, nine plays, the colour 12 34 56.
inline void GiveMacro(KeyEntryEx& entry, const MacroListEx& macros, int i, uint8_t byFunction) {
    CopyMacroInto(entry, *macros[static_cast<size_t>(i)]);
    entry.byFunction = byFunction;
    entry.iMacroIndex = i;
    entry.iLoopMode = 2;
    entry.iLoopCount = 9;
    const uint8_t colour[4] = {0x12, 0x34, 0x56, 0};
    std::memcpy(entry.byColor, colour, sizeof(colour));
}

// The block-limit fixture: 46 short key actions, then three times one move with a long delay and
// 42 short key actions, then one more such move: 176 actions, 188 events, 5 blocks of 98 bytes.
inline std::vector<MacroActionEx> FiveBlockActions() {
    std::vector<MacroActionEx> actions;
    auto AddKeys = [&](int iCount) {
        for (int i = 0; i < iCount; ++i)
            actions.push_back(Key(static_cast<uint8_t>(4 + i % 20), static_cast<uint8_t>(i % 2 + 1), 10));
    };
    AddKeys(46);
    for (int i = 0; i < 3; ++i) {
        actions.push_back(Move(i + 1, -(i + 1), 200));
        AddKeys(42);
    }
    actions.push_back(Move(7, 7, 200));
    return actions;
}

// Bytes written as hex text repeated, each time after a space: Repeat("01 00 00", 2) is
// " 01 00 00 01 00 00".
inline std::string Repeat(const char* pszBytes, int iTimes) {
    std::string str;
    for (int i = 0; i < iTimes; ++i) str += std::string(" ") + pszBytes;
    return str;
}

}  // namespace gen2test
