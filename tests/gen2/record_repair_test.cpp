// A damaged pro.data is repaired alike on every model of both generations, from the model's
// description: the sliders' values come into their ranges, a function without a table row becomes
// the button's factory function, and a profile with no stage on gets its current stage switched
// on. What the repair leaves is a record the program could have written: it passes the repair
// unchanged and imports.
#include "tests/gen2/record_cases.h"
#include "models/data/record_repair.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace recordcases;

namespace {

// pro.data holding the profile and a good one after it, loaded as the page loads it.
template <class R>
RecordList<typename R::Profile> Loaded(Files<R>& files, const typename R::Profile& first, const typename R::Profile& second) {
    files.PutProData(files.FileOf({&first, &second}, 0));
    RecordList<typename R::Profile> profiles;
    ProDataHeader header;
    RecordList<typename R::Macro> macros;
    const PageDataLoad load = files.storage.LoadPageData(profiles, header, macros);
    EXPECT_EQ(load.eProfiles, LoadResult::Loaded);
    EXPECT_EQ(profiles.size(), 2u);
    return profiles;
}

TEST(RecordRepair, ALoadedProfileKeepsToTheDescriptionsRangesOnEveryModel) {
    ForEveryModel([&]<class R>(int iModel) {
        SCOPED_TRACE(Name(iModel));
        Files<R> files(iModel, L"load_ranges");
        const auto& model = files.model;
        auto pDamaged = files.Default(L"Damaged");
        pDamaged->iSleep = INT_MAX;
        pDamaged->iDebounce = -7;
        pDamaged->iBrightness = 99;
        pDamaged->iBreathSpeed = 100;
        pDamaged->iLightOff = 4000;
        pDamaged->stKeys[3].byFunction = 200;  // no function of either table has this id
        for (int32_t& iEnable : pDamaged->iDpiEnable) iEnable = 0;
        pDamaged->iCurDpi = 3;
        const auto pGood = files.Default(L"Good");
        const auto profiles = Loaded(files, *pDamaged, *pGood);
        ASSERT_EQ(profiles.size(), 2u);
        const auto& p = *profiles[0];
        EXPECT_EQ(p.iSleep, model.sliders.iSleepMax);
        EXPECT_EQ(p.iDebounce, 0);
        EXPECT_EQ(p.iBrightness, model.sliders.iBrightnessMax);
        EXPECT_EQ(p.iBreathSpeed, model.sliders.iBreathSpeedMax);
        const bool bLightOffStored = model.Layout().FileOffset(offsetof(typename R::Profile, iLightOff)) >= 0;
        EXPECT_EQ(p.iLightOff, bLightOffStored ? model.sliders.iLightOffMax : 0);
        EXPECT_EQ(p.stKeys[3].byFunction, model.defaults.byFunction[3]) << "the button's factory function";
        EXPECT_EQ(p.iDpiEnable[3], 1) << "the current stage is switched on";
        EXPECT_EQ(p.iDpiEnable[0], 0);
        EXPECT_EQ(testkit::BytesOf(*profiles[1]), testkit::BytesOf(*pGood)) << "a good profile is read as written";

        // Saved again, the file keeps what the page shows.
        ProDataHeader header;
        header.reserved.assign(files.HeaderSize() - 4, 0);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        RecordList<typename R::Profile> again;
        ASSERT_EQ(files.storage.LoadProData(again, header), LoadResult::Loaded);
        EXPECT_EQ(testkit::BytesOf(*again[0]), testkit::BytesOf(p));
    });
}

template <class R>
std::vector<uint8_t> InFile(const Files<R>& files, const typename R::Profile& profile) {
    std::vector<uint8_t> bytes(files.RecordSize());
    ToFileRecord(files.model.Layout(), profile, bytes.data());
    return bytes;
}

TEST(RecordRepair, EveryDamageIsRepairedIntoARecordTheProgramCouldHaveWritten) {
    ForEveryModel([&]<class R>(int iModel) {
        Files<R> files(iModel, L"repaired");
        const auto pGood = files.Default(L"Good");
        for (const Damage<R>& damage : Damages<R>()) {
            auto pDamaged = Carrier(files, L"Damaged");
            if (!damage.apply(files.model, *pDamaged)) continue;
            SCOPED_TRACE(Name(iModel) + ": " + damage.pszCase);
            const auto profiles = Loaded(files, *pDamaged, *pGood);
            ASSERT_EQ(profiles.size(), 2u);
            EXPECT_NE(InFile(files, *profiles[0]), InFile(files, *pDamaged)) << "repaired";
            auto repaired = *profiles[0];
            EXPECT_FALSE(R::RepairProfile(files.model, repaired)) << "nothing left to repair";
            const std::wstring strFile = files.scratch / L"repaired.pro";
            ASSERT_TRUE(files.storage.ExportProfile(*profiles[0], strFile));
            SavedLists<R> page(files);
            EXPECT_EQ(page.ImportProfile(strFile), ImportResult::Imported);
        }
    });
}

}  // namespace
