// A damaged pro.data on the second-generation page: what a slider shows, what the light frame
// sends and what the next save keeps are one repaired value (never a slider at 9 while the mouse
// gets the speed of 100 and pro.data keeps 100).
#include "tests/gen2/gen2_settings_fixture.h"

#include "models/data/gen2_frames.h"
#include "models/data/gen2_storage.h"
#include "tests/kit/storage_kit.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace gen2test {
namespace {

using namespace DuiLib;

class Gen2RepairPage : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    // pro.data of one profile, the factory defaults with these changes, before the window opens.
    void PutProData(const std::function<void(ProfileRecordEx&)>& damage) {
        Gen2Storage storage(*FindGen2Model(GetParam()), m_data.Path() + L"\\", nullptr);
        ProfileListEx profiles;
        profiles.push_back(testkit::Zeroed<ProfileRecordEx>());
        storage.SetDefaultProfile(*profiles[0]);
        CopyName(profiles[0]->szName, L"Damaged");
        damage(*profiles[0]);
        ProDataHeader header;
        header.reserved.assign(static_cast<size_t>(storage.HeaderSize()) - 4, 0);
        ASSERT_TRUE(storage.WriteProDataBytes(storage.SerializeProData(profiles, header)));
    }
    int SliderValue(const wchar_t* pszSlider) { return ControlOf<CSliderUI>(pszSlider)->GetValue(); }
    // A field of the first profile as pro.data holds it on disk.
    int32_t OnDisk(size_t uFieldOffset) {
        const std::vector<uint8_t> bytes = testkit::ReadBytes(ProDataPath());
        const int iAt = Description().Layout().FileOffset(uFieldOffset);
        return testkit::IntAt(bytes, Description().Layout().HeaderSize() + static_cast<size_t>(iAt));
    }
};

TEST_P(Gen2RepairPage, ADamagedProfileIsShownSentAndSavedAsOneRepairedValue) {
    PutProData([](ProfileRecordEx& p) {
        p.iBreathSpeed = 100;
        p.iBrightness = 40;
        p.iSleep = 300;
        p.iDebounce = 999;
        p.iLightOff = 70;
    });
    Start(GetParam());
    const SliderRanges& ranges = Description().sliders;
    const ProfileRecordEx p = Page().CurrentProfileCopy();
    EXPECT_EQ(p.iBreathSpeed, ranges.iBreathSpeedMax);
    EXPECT_EQ(p.iBrightness, ranges.iBrightnessMax);
    EXPECT_EQ(p.iSleep, ranges.iSleepMax);
    EXPECT_EQ(p.iDebounce, ranges.iDebounceMax);
    EXPECT_EQ(p.iLightOff, Description().bLightOff ? kLightOffSliderMax : 70);
    EXPECT_EQ(SliderValue(L"slider_breathspeed"), p.iBreathSpeed);
    EXPECT_EQ(SliderValue(L"slider_brightness"), p.iBrightness);
    EXPECT_EQ(SliderValue(L"slider_sleep_timer"), p.iSleep);
    EXPECT_EQ(SliderValue(L"slider_key_debounce"), p.iDebounce);
    if (Description().bLightOff) {
        EXPECT_EQ(SliderValue(L"slider_light_off"), p.iLightOff);
    }

    ApplyOn(Page(), Hwnd());
    const std::vector<kit::Bytes> sent = CableWrites();
    const auto light = std::find_if(sent.begin(), sent.end(), [](const kit::Bytes& frame) { return frame[0] == 0x05; });
    ASSERT_NE(light, sent.end());
    const FrameBytes expected = BuildLightReport(Description(), p);
    EXPECT_EQ(*light, kit::Bytes(expected.begin(), expected.end()));
    EXPECT_EQ((*light)[4] & 0x0F, 0) << "the speed the slider shows (9 - 9)";

    EXPECT_EQ(OnDisk(offsetof(ProfileRecordEx, iBreathSpeed)), p.iBreathSpeed);
    EXPECT_EQ(OnDisk(offsetof(ProfileRecordEx, iBrightness)), p.iBrightness);
    EXPECT_EQ(OnDisk(offsetof(ProfileRecordEx, iSleep)), p.iSleep);
    EXPECT_EQ(OnDisk(offsetof(ProfileRecordEx, iDebounce)), p.iDebounce);
    EXPECT_EQ(OnDisk(offsetof(ProfileRecordEx, iLightOff)), p.iLightOff);
}

// MS_11 without the light-off slider, MS_14 with it, MS_15 with the sensor layout.
INSTANTIATE_TEST_SUITE_P(Models, Gen2RepairPage, ::testing::Values(11, 14, 15));

}  // namespace
}  // namespace gen2test
