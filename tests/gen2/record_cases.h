// Records of either generation for every model: its storage in a scratch folder, profiles and
// macros as this program writes them (each control at the ends of its range), the ways a file can
// hold what the program never writes, and an import over a page's saved lists that checks a
// refusal changed nothing.
#pragma once

#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_storage.h"
#include "tests/gen2/gen2_test_util.h"
#include "models/data/key_function_table.h"
#include "tests/kit/storage_kit.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace recordcases {

inline const int kGen1Numbers[] = {10, 1, 2, 3, 4, 5, 6, 7, 9};
inline const int kGen2Numbers[] = {8, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// What differs between the generations in these tests.
template <class R>
struct Gen;

template <>
struct Gen<Gen1Records> {
    using Storage = Gen1Storage;
    static constexpr const int* kModels = kGen1Numbers;
    static constexpr size_t kModelCount = std::size(kGen1Numbers);
    static const Gen1Model& ModelOf(int n) { return *FindGen1Model(n); }
    static const KeyFunctionRow* Row(uint8_t byId) { return FindKeyFunction(byId); }
    static int SensorModes(const Gen1Model&) { return 0; }
    static MacroAction Action(uint8_t byKey, uint8_t byType, uint16_t wDelay) { return {byKey, byType, wDelay}; }
    // What the editor makes at the ends of its ranges: delays of 0 and 65,535 ms.
    static std::vector<MacroAction> EditorsActions() { return {Action(0x04, kActionPress, 65535), Action(0x04, kActionRelease, 0)}; }
};

template <>
struct Gen<Gen2Records> {
    using Storage = Gen2Storage;
    static constexpr const int* kModels = kGen2Numbers;
    static constexpr size_t kModelCount = std::size(kGen2Numbers);
    static const Gen2Model& ModelOf(int n) { return *FindGen2Model(n); }
    static const KeyFunctionRow* Row(uint8_t byId) { return FindKeyFunctionEx(byId); }
    static int SensorModes(const Gen2Model& model) { return model.iSensorModeCount; }
    static MacroActionEx Action(uint8_t byKey, uint8_t byType, uint16_t wDelay) { return gen2test::Key(byKey, byType, wDelay); }
    static MacroActionEx Move(int32_t iX, int32_t iY, uint16_t wDelay) { return gen2test::Move(iX, iY, wDelay); }
    // What the editor makes at the ends of its ranges: moves of 999 either way, delays of 0 and
    // 25,000 ms.
    static std::vector<MacroActionEx> EditorsActions() {
        return {Action(0x04, kActionPress, kMacroDelayMaxMs), Move(kMoveOffsetMax, -kMoveOffsetMax, 0),
                Move(-kMoveOffsetMax, kMoveOffsetMax, 1), Action(0x04, kActionRelease, 10)};
    }
};

template <class R>
struct Files : testkit::StorageFiles<typename Gen<R>::Storage> {
    Files(int iModel, const std::wstring& strTest)
        : testkit::StorageFiles<typename Gen<R>::Storage>(Gen<R>::ModelOf(iModel),
                                                          L"records_" + strTest + L"_" + std::to_wstring(iModel)) {}
};

inline std::string Name(int iModel) { return "MS_" + std::to_string(iModel); }

// Runs test.template operator()<R>(n) for every model n of both generations.
template <class Test>
void ForEveryModel(Test&& test) {
    for (int n : kGen1Numbers) test.template operator()<Gen1Records>(n);
    for (int n : kGen2Numbers) test.template operator()<Gen2Records>(n);
}

// A button that plays a macro of these actions as the picker leaves it: the last repeat mode and
// the highest count when bTop, else counted once.
template <class R>
void PlayActions(const typename R::Model& model, typename R::Profile::KeyType& entry, const std::wstring& strName,
                 const std::vector<typename R::Macro::ActionType>& actions, bool bTop) {
    entry.byFunction = kFunctionMacro;
    CopyName(entry.szMacroName, strName);
    entry.wActionNum = static_cast<uint16_t>(actions.size());
    for (size_t i = 0; i < actions.size(); ++i) entry.stActions[i] = actions[i];
    entry.iLoopMode = bTop ? model.iLoopModeCount - 1 : 0;
    entry.iLoopCount = bTop ? 255 : 1;
    entry.iMacroIndex = 0;
}

// Profiles as this program writes them: the factory defaults, and every control at the top and at
// the bottom of its range, with a macro, a shortcut and (second generation) a colour macro.
template <class R>
std::vector<std::pair<std::string, std::unique_ptr<typename R::Profile>>> WrittenProfiles(const Files<R>& files) {
    using Profile = typename R::Profile;
    const auto& model = files.model;
    std::vector<std::pair<std::string, std::unique_ptr<Profile>>> profiles;
    profiles.emplace_back("factory defaults", files.Default(L"Factory"));
    for (const bool bTop : {true, false}) {
        auto p = files.Default(bTop ? L"Top" : L"Bottom");
        const int32_t iDpi = bTop ? model.iDpiValueMax : model.iDpiValueMin;
        for (int i = 0; i < kDpiStageCount; ++i) {
            p->iDpi[i] = bTop || i == 0 ? iDpi : 0;
            p->iDpiEnable[i] = bTop || i == 0 ? 1 : 0;
        }
        auto top = [&](int iCount) { return bTop && iCount > 0 ? iCount - 1 : 0; };
        p->iCurDpi = bTop ? kDpiStageCount - 1 : 0;
        p->iRate = top(model.iRateCount);
        p->iRateHs = top(model.iRateHsCount);
        p->iLightMode = top(model.iLightModeCount);
        p->iSensorMode = top(Gen<R>::SensorModes(model));
        for (int32_t* pOption : {&p->iLiftOff, &p->iRipple, &p->iAngleSnap, &p->iMotionSync, &p->iMoveMode})
            *pOption = bTop ? 1 : 0;
        p->iBrightness = bTop ? model.sliders.iBrightnessMax : 0;
        p->iBreathSpeed = bTop ? model.sliders.iBreathSpeedMax : 0;
        p->iSleep = bTop ? model.sliders.iSleepMax : 0;
        p->iDebounce = bTop ? model.sliders.iDebounceMax : 0;
        p->iLightOff = bTop ? model.sliders.iLightOffMax : 0;
        PlayActions<R>(model, p->stKeys[2], L"Three", Gen<R>::EditorsActions(), bTop);
        auto& shortcut = p->stKeys[3];
        shortcut.byFunction = kFunctionShortcut;
        shortcut.byModifiers = bTop ? 0x0F : 0;
        shortcut.byUsage = bTop ? 0xE7 : 0x04;
        if constexpr (std::is_same_v<R, Gen2Records>) {
            PlayActions<R>(model, p->stKeys[4], L"Five", Gen<R>::EditorsActions(), bTop);
            p->stKeys[4].byFunction = kFunctionMacroColour;
            p->stKeys[4].byColor[0] = 0xFF;
            p->stKeys[4].byColor[2] = 0x80;
        }
        ClearUnstoredFields(model.Layout(), *p);
        profiles.emplace_back(bTop ? "every control at its top" : "every control at its bottom", std::move(p));
    }
    return profiles;
}

// One way a record can hold what this program never writes; false when the model's file does not
// keep the field (the damage would not reach the file).
template <class R>
struct Damage {
    const char* pszCase;
    std::function<bool(const typename R::Model&, typename R::Profile&)> apply;
};

template <class R>
std::vector<Damage<R>> Damages() {
    using Profile = typename R::Profile;
    using Model = typename R::Model;
    auto stored = [](const Model& model, size_t uOffset) { return model.Layout().FileOffset(uOffset) >= 0; };
    std::vector<Damage<R>> rows = {
        {"the current stage past the eighth", [](const Model&, Profile& p) { return p.iCurDpi = kDpiStageCount, true; }},
        {"a polling rate past the options", [](const Model& m, Profile& p) { return p.iRate = m.iRateCount, true; }},
        {"a 4K rate past the options",
         [](const Model& m, Profile& p) { return m.iRateHsCount > 0 && (p.iRateHs = m.iRateHsCount, true); }},
        {"a light mode past the combo", [](const Model& m, Profile& p) { return p.iLightMode = m.iLightModeCount, true; }},
        {"a sensor mode past the options",
         [](const Model& m, Profile& p) {
             return Gen<R>::SensorModes(m) > 0 && (p.iSensorMode = Gen<R>::SensorModes(m), true);
         }},
        {"a sensor option neither on nor off", [](const Model&, Profile& p) { return p.iRipple = 2, true; }},
        {"the move-mode check neither on nor off", [](const Model&, Profile& p) { return p.iMoveMode = -1, true; }},
        {"a stage neither on nor off", [](const Model&, Profile& p) { return p.iDpiEnable[0] = 2, true; }},
        {"a DPI above its slider", [](const Model& m, Profile& p) { return p.iDpi[0] = m.iDpiValueMax + 1, true; }},
        {"a DPI below its slider", [](const Model&, Profile& p) { return p.iDpi[1] = -1, true; }},
        {"the second DPI set above the slider", [](const Model& m, Profile& p) { return p.iDpi2[2] = m.iDpiValueMax + 1, true; }},
        {"brightness above its slider",
         [](const Model& m, Profile& p) { return p.iBrightness = m.sliders.iBrightnessMax + 1, true; }},
        {"breathing speed above its slider",
         [](const Model& m, Profile& p) { return p.iBreathSpeed = m.sliders.iBreathSpeedMax + 1, true; }},
        {"the sleep timer above its slider", [](const Model& m, Profile& p) { return p.iSleep = m.sliders.iSleepMax + 1, true; }},
        {"the debounce below its slider", [](const Model&, Profile& p) { return p.iDebounce = -1, true; }},
        {"the light-off time above its slider",
         [stored](const Model& m, Profile& p) {
             return stored(m, offsetof(Profile, iLightOff)) && (p.iLightOff = m.sliders.iLightOffMax + 1, true);
         }},
        {"a button function without a table row",
         [](const Model&, Profile& p) {
             uint8_t byId = 255;
             while (Gen<R>::Row(byId) != nullptr) --byId;
             return p.stKeys[4].byFunction = byId, true;
         }},
        {"a repeat mode past the picker's", [](const Model& m, Profile& p) { return p.stKeys[2].iLoopMode = m.iLoopModeCount, true; }},
        {"a loop count past 255", [](const Model&, Profile& p) { return p.stKeys[2].iLoopCount = 256, true; }},
        {"more actions than a button holds",
         [](const Model&, Profile& p) { return p.stKeys[5].wActionNum = Profile::KeyType::kActionMax + 1, true; }},
        {"a macro index below none", [](const Model&, Profile& p) { return p.stKeys[0].iMacroIndex = -2, true; }},
        {"a profile name without its terminator",
         [](const Model&, Profile& p) {
             for (wchar_t& ch : p.szName) ch = L'n';
             return true;
         }},
        {"a macro name without its terminator",
         [](const Model&, Profile& p) {
             for (wchar_t& ch : p.stKeys[2].szMacroName) ch = L'm';
             return true;
         }},
        {"no stage switched on",
         [](const Model&, Profile& p) {
             for (int32_t& iEnable : p.iDpiEnable) iEnable = 0;
             return true;
         }},
    };
    if constexpr (std::is_same_v<R, Gen2Records>) {
        rows.push_back({"a move beyond the editor's range", [](const Model&, Profile& p) {
                            p.stKeys[2].stActions[1] = Gen<R>::Move(kMoveOffsetMax + 1, 0, 10);
                            return true;
                        }});
    }
    return rows;
}

// A profile that carries a macro on button 3 (two actions the editor makes), so that an import
// taken would write macro.data.
template <class R>
std::unique_ptr<typename R::Profile> Carrier(const Files<R>& files, const std::wstring& strName) {
    auto p = files.Default(strName);
    PlayActions<R>(files.model, p->stKeys[2], L"Carried",
                   {Gen<R>::Action(0x04, kActionPress, 10), Gen<R>::Action(0x04, kActionRelease, 10)}, false);
    return p;
}

// A page's lists as the files hold them: one profile and one macro, both saved.
template <class R>
struct SavedLists {
    explicit SavedLists(Files<R>& files) : files(files) {
        profiles.push_back(files.Default(L"Mine"));
        macros.push_back(testkit::MacroOf<typename R::Macro>(L"Kept", {Gen<R>::Action(0x05, kActionPress, 10)}));
        header.reserved.assign(files.HeaderSize() - 4, 0);
        EXPECT_TRUE(files.storage.SaveProData(profiles, header));
        EXPECT_TRUE(files.storage.SaveMacroData(macros));
        proData = testkit::ReadBytes(files.ProData());
        macroData = testkit::ReadBytes(files.MacroData());
    }
    // Imports the profile file and checks that a refusal changed nothing, lists nor files.
    ImportResult ImportProfile(const std::wstring& strFile) {
        ImportResult eResult = ImportResult::Imported;
        const auto* pImported = files.storage.ImportProfile(strFile, profiles, macros, &eResult);
        if (eResult != ImportResult::Imported) ExpectUnchanged(pImported);
        return eResult;
    }
    ImportResult ImportMacro(const std::wstring& strFile) {
        ImportResult eResult = ImportResult::Imported;
        const auto* pImported = files.storage.ImportMacro(strFile, macros, &eResult);
        if (eResult != ImportResult::Imported) ExpectUnchanged(pImported);
        return eResult;
    }
    void ExpectUnchanged(const void* pImported) const {
        EXPECT_EQ(pImported, nullptr);
        EXPECT_EQ(profiles.size(), 1u);
        EXPECT_EQ(macros.size(), 1u);
        EXPECT_EQ(testkit::ReadBytes(files.ProData()), proData);
        EXPECT_EQ(testkit::ReadBytes(files.MacroData()), macroData);
    }

    Files<R>& files;
    RecordList<typename R::Profile> profiles;
    RecordList<typename R::Macro> macros;
    ProDataHeader header;
    std::vector<uint8_t> proData;
    std::vector<uint8_t> macroData;
};

}  // namespace recordcases
