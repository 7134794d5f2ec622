// Reading addresses out of hardware ids, matching interface paths, and the short form of UUIDs.
#include "core/devices/ble_address.h"
#include "core/devices/ble_gatt_api.h"
#include "tests/kit/ble/sim_ble_world.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const wchar_t* pszHardwareId;
    const wchar_t* pszAddress;
};

class HardwareIdAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(HardwareIdAddress, IsTheSecondUnderscoreField) {
    EXPECT_EQ(BluetoothAddressFromHardwareId(GetParam().pszHardwareId), GetParam().pszAddress)
        << GetParam().pszHardwareId;
}

INSTANTIATE_TEST_SUITE_P(
    Ids, HardwareIdAddress,
    ::testing::Values(AddressCase{L"BTHLE\\Dev_e0a1b2c3d4e5", L"e0a1b2c3d4e5"},
                      AddressCase{L"BTHENUM\\{00001124-0000-1000-8000-00805f9b34fb}_VID&0002045e_PID&0037",
                                  L"VID&0002045e"},
                      // strtok's rules: runs of separators count as one, leading ones are skipped.
                      AddressCase{L"BTHLE\\Dev__e0a1b2c3d4e5_x", L"e0a1b2c3d4e5"},
                      AddressCase{L"__first_second", L"second"},
                      // No second field, or an empty one: no address at all.
                      AddressCase{L"BTHLE\\GenericDevice", L""}, AddressCase{L"BTHLE\\Dev_", L""},
                      AddressCase{L"BTHLE\\Dev___", L""}, AddressCase{L"", L""}));

TEST(InterfacePath, MatchesOnlyWithVendorProductAndAListedAddress) {
    const std::wstring path = ToUpperText(blekit::InterfacePathFor(L"PID&0037", L"e0a1b2c3d4e5"));
    const BleMatch mouse{L"VID&02045E", L"PID&0037", {L"C0FFEE000102", L"E0A1B2C3D4E5"}};
    EXPECT_TRUE(InterfacePathMatches(path, mouse));

    BleMatch otherProduct = mouse;
    otherProduct.strPid = L"PID&0032";
    EXPECT_FALSE(InterfacePathMatches(path, otherProduct));
    BleMatch otherVendor = mouse;
    otherVendor.strVid = L"VID&021D57";
    EXPECT_FALSE(InterfacePathMatches(path, otherVendor));
    BleMatch unlisted = mouse;
    unlisted.addresses = {L"C0FFEE000102"};
    EXPECT_FALSE(InterfacePathMatches(path, unlisted));
    // An empty address is found in every path, so it must never count.
    BleMatch emptyAddress = mouse;
    emptyAddress.addresses = {L""};
    EXPECT_FALSE(InterfacePathMatches(path, emptyAddress));
    BleMatch linkDown = mouse;
    linkDown.strPid.clear();
    EXPECT_FALSE(InterfacePathMatches(path, linkDown));
}

TEST(ShortUuid, IsReadFromShortAndBaseUuidsOnly) {
    EXPECT_EQ(ShortUuidOf(blekit::ShortUuid(0xFEE3)), 0xFEE3);
    const GUID baseFee3 = {0x0000FEE3, 0x0000, 0x1000, {0x80, 0x00, 0x00, 0x80, 0x5F, 0x9B, 0x34, 0xFB}};
    EXPECT_EQ(ShortUuidOf(blekit::LongUuid(baseFee3)), 0xFEE3);
    // A vendor's own 128-bit UUID whose first bytes happen to read FEE3 is not 0xFEE3.
    const GUID vendor = {0x1234FEE3, 0x5678, 0x9ABC, {0x80, 0x00, 0x00, 0x80, 0x5F, 0x9B, 0x34, 0xFB}};
    EXPECT_EQ(ShortUuidOf(blekit::LongUuid(vendor)), 0);
}

}  // namespace
