// The model table: every model once, no identifier claimed twice, names derived from the number.
#include "model_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ModelTable, HoldsTwentyFourModelsInOrderWithoutSharedIds) {
    std::set<uint8_t> idBytes;
    std::set<uint16_t> productIds;
    std::set<int> fourKIndices;
    for (size_t i = 0; i < g_Models.size(); ++i) {
        const ModelInfo& m = g_Models[i];
        EXPECT_EQ(m.iNumber, static_cast<int>(i) + 1);
        EXPECT_TRUE(idBytes.insert(m.byIdByte).second) << "id byte of MS_" << m.iNumber;
        EXPECT_TRUE(productIds.insert(m.wCablePid).second) << "product id of MS_" << m.iNumber;
        EXPECT_NE(m.wCablePid, kReceiverProductId);
        EXPECT_NE(m.wCablePid, kReceiver4kProductId);
        if (m.Has4k()) {
            EXPECT_TRUE(fourKIndices.insert(m.iFourKIndex).second) << "4K index of MS_" << m.iNumber;
        }
        EXPECT_TRUE(m.iGeneration == 1 || m.iGeneration == 2);
    }
    EXPECT_EQ(fourKIndices.size(), static_cast<size_t>(kFourKModelCount));
    EXPECT_EQ(*fourKIndices.rbegin(), kFourKModelCount - 1);  // 0..12 without a gap
}

TEST(ModelTable, LooksUpByIdByteAndFourKIndex) {
    struct Row { uint8_t idByte; int model; int fourK; };
    const Row rows[] = {{0x36, 10, -1}, {0x10, 1, -1}, {0x21, 3, 0}, {0x37, 11, 4}, {0x56, 24, 12},
                        {0x29, 17, 10}, {0x00, 0, -1}, {0xFF, 0, -1}};
    for (const Row& r : rows) {
        EXPECT_EQ(ModelNumberFromIdByte(r.idByte), r.model) << std::hex << int(r.idByte);
        EXPECT_EQ(FourKIndexFromIdByte(r.idByte), r.fourK) << std::hex << int(r.idByte);
        if (r.fourK >= 0) {
            EXPECT_EQ(ModelNumberFrom4kIndex(r.fourK), r.model);
        }
    }
    EXPECT_EQ(ModelNumberFrom4kIndex(13), 0);
    EXPECT_EQ(ModelNumberFrom4kIndex(-1), 0);
    EXPECT_EQ(FindModel(0), nullptr);
    EXPECT_EQ(FindModel(25), nullptr);
}

TEST(ModelTable, NamesAndNumbersComeFromTheModelNumber) {
    EXPECT_EQ(DriverLibraryName(1), L"hiddriver_1.dll");
    EXPECT_EQ(DriverLibraryName(6), L"hiddriver_6.dll");
    EXPECT_EQ(DriverLibraryName(7), L"hiddriver_ms_7.dll");
    EXPECT_EQ(DriverLibraryName(24), L"hiddriver_ms_24.dll");
    EXPECT_EQ(ControlPrefix(10), L"ms_10_");
    EXPECT_EQ(VirtualWindowName(10), L"MS_10_Page");
    EXPECT_EQ(SkinFolder(10), L"MS/MS_10/");
    EXPECT_EQ(PickerSkinFolder(13), L"MS/MS_13/");
    EXPECT_EQ(PickerSkinFolder(14), L"MS/ms_14/");
    EXPECT_EQ(DataFolderName(2), L"ms_2");
    EXPECT_EQ(BleProductMatch(11), L"PID&0037");
    EXPECT_EQ(BleProductMatch(14), L"PID&003A");
    EXPECT_EQ(BleProductMatch(21), L"PID&0250");
    EXPECT_EQ(BleProductMatch(10), L"");
    EXPECT_EQ(PageMsgBase(1), 0x600u);
    EXPECT_EQ(PageMsgBase(10), 0x690u);
    EXPECT_EQ(PageMsgBase(24), 0x770u);
    EXPECT_EQ(PageTimer(10, TIMER_WIRELESS4K_TIMEOUT), 0x294u);
    EXPECT_EQ(PageWorkerStackSize(10), 0x1091u);
}

}  // namespace
