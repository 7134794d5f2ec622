// A damaged pro.data is brought into what the page's controls and the frames can carry when it
// is loaded, so a save afterwards keeps what the page shows; what the page does not use stays as
// the file had it.
#include "tests/gen1/gen1_storage_fixture.h"

#include <gtest/gtest.h>

namespace gen1test {
namespace {

TEST(Gen1LoadClamp, OutOfRangeValuesAreBroughtIntoTheControlsRangeAndUnusedEntriesKept) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE(iModel);
        ModelFiles files(iModel, L"load_clamp");
        auto pDamaged = files.Default(L"Damaged");
        pDamaged->iSleep = 0x7FFFFFFF;
        pDamaged->iDebounce = -7;
        pDamaged->iBrightness = 99;
        pDamaged->iBreathSpeed = 42;
        pDamaged->iLightOff = 4000;  // MS_10's field; MS_1 and MS_2 have none
        pDamaged->stKeys[3].byFunction = 200;  // no function has this id
        for (int32_t& iEnable : pDamaged->iDpiEnable) iEnable = 0;
        pDamaged->iCurDpi = 3;
        // An entry past the buttons, with a macro index no macro list has.
        pDamaged->stKeys[20].iMacroIndex = 0;
        pDamaged->stKeys[20].byFunction = 17;
        auto pGood = files.Default(L"Good");
        ASSERT_TRUE(files.storage.WriteProDataBytes(files.FileOf({pDamaged.get(), pGood.get()}, 0)));

        ProfileList profiles;
        ProDataHeader header;
        MacroList macros;
        files.storage.LoadPageData(profiles, header, macros);
        ASSERT_EQ(profiles.size(), 2u);
        const ProfileRecord& p = *profiles[0];
        // The light frame carries the sleep timer in a byte, plus one where it has a byte of its own.
        EXPECT_EQ(p.iSleep, ModelOf(iModel).eLightCodec == LightCodec::PackedSleep ? 255 : 254);
        EXPECT_EQ(p.iDebounce, 0);
        EXPECT_EQ(p.iBrightness, 15);
        EXPECT_EQ(p.iBreathSpeed, 9);
        if (iModel == 10) {
            EXPECT_EQ(p.iLightOff, 255);
        }
        EXPECT_EQ(p.stKeys[3].byFunction, ModelOf(iModel).defaults.byFunction[3]) << "the button's factory function";
        EXPECT_EQ(p.iDpiEnable[3], 1) << "the current stage is switched on";
        EXPECT_EQ(p.iDpiEnable[0], 0);
        EXPECT_EQ(p.stKeys[20].iMacroIndex, 0);
        EXPECT_EQ(p.stKeys[20].byFunction, 17);
        // A good profile is read as it was written.
        EXPECT_EQ(BytesOf(*profiles[1]), BytesOf(*pGood));

        // Saved again, the file holds what was loaded.
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        ProfileList again;
        ProDataHeader headerAgain;
        files.storage.LoadProData(again, headerAgain);
        ASSERT_EQ(again.size(), 2u);
        EXPECT_EQ(BytesOf(*again[0]), BytesOf(p));
    }
}

}  // namespace
}  // namespace gen1test
