// The key table's shape: what the lookups rely on (first match, unique keys, scan codes only
// in the block the layout translates).
#include "core/util/key_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KeyCodeTable, EveryVirtualKeyHasOneRowSoLookupsAreUnambiguous) {
    std::set<int> virtualKeys;
    for (const KeyCodeRow& row : KeyCodeTable) EXPECT_TRUE(virtualKeys.insert(row.iVirtualKey).second) << row.iVirtualKey;
    EXPECT_EQ(virtualKeys.size(), size_t(kKeyCodeRowCount));
}

TEST(KeyCodeTable, ScanCodesCoverExactlyTheRowsBeforePrintScreen) {
    for (int i = 0; i < kKeyCodeRowCount; ++i) {
        const KeyCodeRow& row = KeyCodeTable[size_t(i)];
        if (i < 66) {
            EXPECT_NE(row.iScanCode, 0) << "row " << i + 1;
        } else {
            EXPECT_EQ(row.iScanCode, 0) << "row " << i + 1;
        }
    }
    EXPECT_EQ(KeyCodeTable[66].iVirtualKey, VK_SNAPSHOT);
}

TEST(KeyCodeTable, ScanCodeLookupFindsTheRowOfThatKeyExceptForTheSharedSlashKey) {
    for (const KeyCodeRow& row : KeyCodeTable) {
        if (row.iScanCode == 0) continue;
        const KeyCodeRow* pFound = FindRowByScanCode(row.iScanCode);
        ASSERT_NE(pFound, nullptr);
        if (row.iVirtualKey == 0xDF) {
            EXPECT_EQ(pFound->iVirtualKey, 0xBF) << "OEM 8 shares the slash key's position; slash comes first";
            EXPECT_EQ(pFound->iUsage, row.iUsage);
        } else {
            EXPECT_EQ(pFound, &row) << std::hex << row.iVirtualKey;
        }
    }
    EXPECT_EQ(FindRowByScanCode(0), nullptr);
    EXPECT_EQ(FindRowByScanCode(0x56), nullptr) << "the non-US backslash key has no row";
}

TEST(KeyCodeTable, UsageLookupTakesTheFirstRowAndSkipsTheNonUsHash) {
    EXPECT_EQ(FindRowByUsage(0x38)->iVirtualKey, 0xBF);
    EXPECT_EQ(FindRowByUsage(0x32), nullptr);
    EXPECT_EQ(FindRowByUsage(0x66), nullptr);
    EXPECT_EQ(FindRowByUsage(0xF5), nullptr) << "forward button has no key";
    EXPECT_EQ(FindRowByUsage(0x5F)->iVirtualKey, VK_NUMPAD7);
    EXPECT_EQ(FindRowByUsage(0x5E)->iVirtualKey, VK_NUMPAD6);
}

}  // namespace
