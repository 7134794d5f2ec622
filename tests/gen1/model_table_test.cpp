// The model table: every model once, no identifier claimed twice, names derived from the number.
#include "models/data/gen1_model.h"
#include "models/table/model_table.h"
#include "models/data/profile_layout.h"
#include "models/data/record_sizes.h"

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

// A Bluetooth mouse's interface name as Windows broadcasts it: MS_6 to MS_11 take the vendor only
// as Windows writes it; MS_14 and the later models take it in any case, the product too.
TEST(ModelTable, BluetoothInterfaceNamesOfEachModel) {
    const auto Name = [](const wchar_t* pszVendor, const wchar_t* pszProduct) {
        return std::wstring(L"\\\\?\\BTHLEDevice#{00001812-0000-1000-8000-00805f9b34fb}_Dev_") + pszVendor + L"_" +
               pszProduct + L"_REV&0001_d0c5f3a1b2c4#8&2c5e1f3a&0&0019#{6e3bb679-4372-40c8-9eaa-4509df260cd8}";
    };
    const struct {
        int iModel;
        std::wstring strName;
        bool bOurs;
    } rows[] = {
        {11, Name(L"VID&02045e", L"PID&0037"), true},   {11, Name(L"VID&02045E", L"PID&0037"), false},
        {11, Name(L"VID&02045e", L"pid&0037"), false},  {11, Name(L"VID&02045e", L"PID&0034"), false},
        {6, Name(L"VID&02045e", L"PID&0032"), true},    {20, Name(L"VID&02045e", L"PID&002C"), true},
        {20, Name(L"VID&02045E", L"PID&002C"), true},   {20, Name(L"vid&02045e", L"pid&002c"), true},
        {20, Name(L"VID&02045e", L"PID&002E"), false},  {22, Name(L"VID&02045e", L"PID&002E"), true},
        {23, Name(L"VID&02045E", L"PID&002D"), true},   {14, Name(L"vid&02045e", L"PID&003A"), true},
        {18, Name(L"VID&02046E", L"PID&002A"), false},  {20, L"", false},
        {12, Name(L"VID&02045e", L"PID&0038"), false},  {20, L"VID&02045E PID&002C", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsBleInterfaceOf(row.iModel, row.strName), row.bOurs)
            << "MS_" << row.iModel << " " << std::string(row.strName.begin(), row.strName.end());
}

TEST(ModelTable, RecordLayoutsAndFileSizesFollowTheModel) {
    struct Row { int model; RecordLayout layout; int record; int header; int macro; };
    const Row rows[] = {
        {1, RecordLayout::Gen1A, 32988, 164944, 240},    {2, RecordLayout::Gen1A, 32988, 164944, 240},
        {10, RecordLayout::Gen1B, 32992, 164964, 240},   {3, RecordLayout::Gen1C, 32992, 164964, 240},
        {5, RecordLayout::Gen1C, 32992, 164964, 240},    {9, RecordLayout::Gen1C, 32992, 164964, 240},
        {6, RecordLayout::Gen1D, 32996, 164984, 240},    {11, RecordLayout::Gen2, 101540, 507704, 3096},
        {14, RecordLayout::Gen2, 101540, 507704, 3096},  {23, RecordLayout::Gen2, 101540, 507704, 3096},
        {15, RecordLayout::Gen2Sensor, 101544, 507724, 3096}, {24, RecordLayout::Gen2Sensor, 101544, 507724, 3096},
    };
    for (const Row& r : rows) {
        const ModelInfo& m = *FindModel(r.model);
        EXPECT_EQ(m.eLayout, r.layout) << "MS_" << r.model;
        EXPECT_EQ(ProfileRecordSize(m.eLayout), r.record) << "MS_" << r.model;
        EXPECT_EQ(ProDataHeaderSize(m.eLayout), r.header) << "MS_" << r.model;
        EXPECT_EQ(MacroRecordSize(m.eLayout), r.macro) << "MS_" << r.model;
    }
    // The generation decides which family of layouts a model uses; subsystem 8 has the longer one.
    for (const ModelInfo& m : g_Models) {
        EXPECT_EQ(FindProfileLayout(m.eLayout) != nullptr, m.iGeneration == 1) << "MS_" << m.iNumber;
        EXPECT_EQ(m.eLayout == RecordLayout::Gen2Sensor, m.iSubsystem == 8) << "MS_" << m.iNumber;
    }
}

TEST(ModelTable, FirstGenerationDescriptionsMatchTheirModels) {
    // The macro frame: 131 bytes with the pairs from byte 29, or (MS_3, MS_4) 111 bytes with the
    // pairs from byte 9; 50 pairs either way.
    const struct { int n; int iChecksumAt; } rows[] = {{1, 129}, {2, 129}, {3, 109}, {4, 109}, {5, 129}, {10, 129}};
    for (const auto& row : rows) {
        const Gen1Model* pModel = FindGen1Model(row.n);
        ASSERT_NE(pModel, nullptr) << "MS_" << row.n;
        EXPECT_EQ(pModel->Info().iNumber, row.n);
        EXPECT_EQ(pModel->Info().iGeneration, 1);
        EXPECT_EQ(&pModel->Layout(), FindProfileLayout(FindModel(row.n)->eLayout));
        EXPECT_EQ(pModel->macroFrame.PairCapacity(), 50);
        EXPECT_EQ(pModel->macroFrame.ChecksumAt(), row.iChecksumAt);
        EXPECT_EQ(pModel->macroFrame.byFirstPairAt, pModel->macroFrame.byCountAt + 1);
        EXPECT_LE(pModel->iRatesOnSlowLinks, pModel->iRateCount);
        EXPECT_LE(pModel->iRateCount, static_cast<int>(pModel->rateCodes.size()));
    }
    for (const ModelInfo& m : g_Models)
        if (m.iGeneration == 2) { EXPECT_EQ(FindGen1Model(m.iNumber), nullptr) << "MS_" << m.iNumber; }
    EXPECT_EQ(FindGen1Model(0), nullptr);
}

// Stored DPI values and the DPI they stand for, as the pages convert typed values.
TEST(ModelTable, DpiUnitsOfEachModel) {
    struct Row { int model; int typed; int32_t stored; int shown; };
    const Row rows[] = {
        {10, 150, 2, 200},     {10, 250, 2, 200},    {10, 0, 2, 200},       {10, 10000, 100, 10000},
        {10, 99999, 100, 10000},
        {1, 75, 1, 50},        {1, 10000, 200, 10000}, {1, 10150, 201, 10100}, {1, 10099, 200, 10000},
        {1, 12000, 220, 12000}, {1, 50000, 220, 12000}, {1, 0, 1, 50},
        {2, 99, 1, 50},        {2, 26000, 520, 26000}, {2, 30000, 520, 26000},
        {3, 1234, 24, 1200},   {3, 30000, 520, 26000}, {3, 0, 1, 50},         {4, 26000, 520, 26000},
        {5, 10050, 200, 10000}, {5, 10150, 201, 10100}, {5, 12001, 220, 12000}, {5, 1234, 24, 1200},
    };
    for (const Row& r : rows) {
        const Gen1Model& model = *FindGen1Model(r.model);
        EXPECT_EQ(ValueOfDpi(model, r.typed), r.stored) << "MS_" << r.model << " typed " << r.typed;
        EXPECT_EQ(DpiOfValue(model, r.stored), r.shown) << "MS_" << r.model << " typed " << r.typed;
    }
    EXPECT_EQ(DpiOfValue(*FindGen1Model(1), 205), 10500);
}

}  // namespace
