// Second-generation macro frames: the action encoding, the 98-byte blocks and their chain with its
// limit of four, the event total and the fit predicate, and the pieces a macro block travels in
// over the cable, the 2.4 GHz receiver and the 4K receiver.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

KeyEntryEx EntryOf(const std::vector<MacroActionEx>& actions, uint8_t byFunction = kFunctionMacro) {
    KeyEntryEx entry{};
    CarryActions(entry, byFunction, L"M", actions.data(), static_cast<int>(actions.size()));
    return entry;
}

std::string Repeat0(int iTimes) {
    std::string str;
    for (int i = 0; i < iTimes; ++i) str += " 00";
    return str;
}

// The 4K report's sum: every byte before it, the report's own header included.
int SumOf(const uint8_t* pBytes, size_t uCount) {
    int iSum = 0;
    for (size_t i = 0; i < uCount; ++i) iSum += pBytes[i];
    return iSum & 0xFFFF;
}

std::vector<MacroActionEx> ShortKeys(int iCount) {
    std::vector<MacroActionEx> actions;
    for (int i = 0; i < iCount; ++i) actions.push_back(Key(static_cast<uint8_t>(4 + i), kActionPress, 10));
    return actions;
}

// Bytes 9 on of a one-action block, and its event count, for each kind of action around the
// short/long split and the longest delay sent.
TEST(Gen2MacroBlocks, ActionBytesAtEachDelay) {
    const struct {
        uint16_t wDelay;
        const char* pszPress;
        const char* pszRelease;
        const char* pszMove;  // (-1, 2)
    } rows[] = {
        {0, "01 04", "81 04", "01 F6 FF FF 00 02"},                    // 0 goes as 1
        {5, "05 04", "85 04", "05 F6 FF FF 00 02"},
        {10, "0B 04", "8B 04", "0A F6 FF FF 00 02"},                   // flags are ORed in
        {127, "7F 04", "FF 04", "7F F6 FF FF 00 02"},
        {128, "1D 04 01 03", "9D 04 01 03", "1C F6 FF FF 00 02 01 03"},  // remainder 28, one hundred
        {300, "01 04 03 03", "81 04 03 03", "01 F6 FF FF 00 02 03 03"},  // remainder 0 goes as 1
        {25000, "01 04 FA 03", "81 04 FA 03", "01 F6 FF FF 00 02 FA 03"},
        {25099, "01 04 FA 03", "81 04 FA 03", "01 F6 FF FF 00 02 FA 03"},  // longer delays go as 25,000
        {65535, "01 04 FA 03", "81 04 FA 03", "01 F6 FF FF 00 02 FA 03"},
    };
    for (const auto& row : rows) {
        const struct {
            MacroActionEx action;
            const char* pszBytes;
        } kinds[] = {{Key(0x04, kActionPress, row.wDelay), row.pszPress},
                     {Key(0x04, kActionRelease, row.wDelay), row.pszRelease},
                     {Move(-1, 2, row.wDelay), row.pszMove}};
        for (const auto& kind : kinds) {
            const KeyEntryEx entry = EntryOf({kind.action});
            const MacroReportBlock block = BuildMacroReport(kMacroFrame111, entry, 9, 0);
            const size_t uBytes = (std::string(kind.pszBytes).size() + 1) / 3;
            EXPECT_EQ(ToHex(block.frame.data() + 9, uBytes), kind.pszBytes) << "delay " << row.wDelay;
            EXPECT_EQ(block.frame[8], uBytes / 2) << "delay " << row.wDelay;
            EXPECT_EQ(block.frame[9 + uBytes], 0) << "delay " << row.wDelay;
            EXPECT_EQ(MacroEventTotal(&kind.action, 1), static_cast<int>(uBytes / 2)) << "delay " << row.wDelay;
            EXPECT_FALSE(block.bContinues);
        }
    }
}

TEST(Gen2MacroBlocks, FirstBlockCarriesLoopModeColourAndCount) {
    KeyEntryEx entry = EntryOf({Key(0x04, kActionPress, 10), Key(0x04, kActionRelease, 10)}, kFunctionMacroColour);
    entry.iLoopMode = 2;
    const uint8_t colour[] = {0x12, 0x34, 0x56, 0x78};
    std::copy(colour, colour + 4, entry.byColor);
    for (const auto& [iLoopCount, pszHeader] : {std::pair{0, "02 12 34 56 01 02"}, std::pair{7, "02 12 34 56 07 02"},
                                                std::pair{255, "02 12 34 56 FF 02"}}) {
        entry.iLoopCount = iLoopCount;
        const MacroReportBlock block = BuildMacroReport(kMacroFrame111, entry, 13, 0);
        ASSERT_EQ(block.frame.size(), kMacroReportLength);
        EXPECT_EQ(ToHex(block.frame.data(), 13), std::string("09 6F 0D ") + pszHeader + " 0B 04 8B 04");
        EXPECT_EQ((block.frame[109] << 8) | block.frame[110], FrameSum(block.frame, 109));
    }
    // A later block carries none of them.
    const MacroReportBlock later = BuildMacroReport(kMacroFrame111, entry, 14, 1);
    EXPECT_EQ(ToHex(later.frame.data(), 11), "09 6F 0E 00 00 00 00 00 01 8B 04");
}

TEST(Gen2MacroBlocks, AMacroWithoutActionsSendsOneEmptyBlock) {
    for (int iModel : kGen2Models) {
        KeyEntryEx entry = EntryOf({});
        entry.iLoopMode = 1;
        const std::vector<FrameBytes> chain = BuildMacroChain(ModelOf(iModel), 0, entry);
        ASSERT_EQ(chain.size(), 1u) << Name(iModel);
        EXPECT_EQ(ToHex(chain[0].data(), 9), "09 6F 01 01 00 00 00 01 00");
        for (size_t i = 9; i < 109; ++i) ASSERT_EQ(chain[0][i], 0) << i;
        EXPECT_EQ(ToHex(chain[0].data() + 109, 2), "00 02");
    }
}

// 49 two-byte actions fill a block exactly; one more moves into the next block.
TEST(Gen2MacroBlocks, NinetyEightBytesFitOneBlock) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        const Gen2Model& model = ModelOf(iModel);
        const std::vector<FrameBytes> full = BuildMacroChain(model, 1, EntryOf(ShortKeys(49)));
        ASSERT_EQ(full.size(), 1u);
        EXPECT_EQ(full[0][8], 49);
        EXPECT_EQ(ToHex(full[0].data() + 105, 4), "0B 34 00 00");

        const std::vector<FrameBytes> over = BuildMacroChain(model, 1, EntryOf(ShortKeys(50)));
        ASSERT_EQ(over.size(), 2u);
        EXPECT_EQ(over[0][2], 5);
        EXPECT_EQ(over[0][8], 50);  // 49 actions and the continuation pair
        EXPECT_EQ(ToHex(over[0].data() + 105, 4), "0B 34 06 FE");
        EXPECT_EQ(ToHex(over[1].data(), 13), "09 6F 06 00 00 00 00 00 01 0B 35 00 00");
        EXPECT_EQ(MacroBlocksNeeded(EntryOf(ShortKeys(50)).stActions, 50), 2);
    }
}

// An eight-byte move that would end past byte 98 opens the next block even with room for a key.
TEST(Gen2MacroBlocks, AnActionNeverStraddlesTwoBlocks) {
    std::vector<MacroActionEx> actions = ShortKeys(46);  // 92 bytes
    actions.push_back(Move(300, -300, 500));             // 8 bytes: 100 > 98
    actions.push_back(Key(0x05, kActionRelease, 10));
    const KeyEntryEx entry = EntryOf(actions);
    const MacroReportBlock first = BuildMacroReport(kMacroFrame111, entry, 1, 0);
    EXPECT_TRUE(first.bContinues);
    EXPECT_EQ(first.iNextAction, 46);
    EXPECT_EQ(first.frame[8], 47);
    EXPECT_EQ(ToHex(first.frame.data() + 101, 8), "02 FE 00 00 00 00 00 00");
    const MacroReportBlock second = BuildMacroReport(kMacroFrame111, entry, 2, first.iNextAction);
    EXPECT_FALSE(second.bContinues);
    EXPECT_EQ(ToHex(second.frame.data() + 8, 11), "05 01 F6 01 2C FE D4 05 03 8B 05");
}

// The fixture needs five blocks: the chain stops at the fourth, which ends at its last whole
// action without pointing on, and the predicate refuses the macro.
TEST(Gen2MacroBlocks, AChainNeverGoesPastItsFourBlocks) {
    const std::vector<MacroActionEx> actions = FiveBlockActions();
    ASSERT_EQ(actions.size(), 176u);
    EXPECT_EQ(MacroEventTotal(actions.data(), 176), 188);
    EXPECT_EQ(MacroBlocksNeeded(actions.data(), 176), 5);
    EXPECT_FALSE(MacroFitsFrame(actions.data(), 176));
    EXPECT_TRUE(MacroFitsFrame(actions.data(), 175));  // without the last move: four blocks, 184 events
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        const Gen2Model& model = ModelOf(iModel);
        for (int k = 0; k < kButtonCount; ++k) {
            const std::vector<FrameBytes> chain = BuildMacroChain(model, k, EntryOf(actions));
            const int32_t iFirst = model.iMacroBlock[k];
            if (iFirst == 0) {
                EXPECT_TRUE(chain.empty()) << "button " << k + 1;  // no macro slot, no blocks
                continue;
            }
            ASSERT_EQ(chain.size(), 4u) << "button " << k + 1;
            for (int b = 0; b < 4; ++b) {
                const FrameBytes& frame = chain[static_cast<size_t>(b)];
                EXPECT_EQ(frame[2], iFirst + b);
                EXPECT_EQ((frame[109] << 8) | frame[110], FrameSum(frame, 109));
                if (b < 3) {
                    EXPECT_EQ(frame[8], 47);  // 92 bytes of actions and the pair
                    EXPECT_EQ(frame[101], iFirst + b + 1);
                    EXPECT_EQ(frame[102], kMacroContinue);
                } else {
                    EXPECT_EQ(frame[8], 46);
                    EXPECT_EQ(ToHex(frame.data() + 99, 4), "8B 05 00 00");  // the 42nd key, then nothing
                }
            }
            // Blocks 2 to 4 each begin with the long-delay move.
            EXPECT_EQ(ToHex(chain[1].data() + 9, 8), "01 F6 00 01 FF FF 02 03");
        }
    }
}

TEST(Gen2MacroBlocks, TheFitPredicate) {
    std::vector<MacroActionEx> long96(96, Key(0x04, kActionPress, 200));    // 192 events in 4 blocks
    std::vector<MacroActionEx> fits(95, Key(0x04, kActionPress, 200));      // 191 events in 4 blocks
    fits.push_back(Key(0x04, kActionRelease, 10));
    const std::vector<MacroActionEx> five = FiveBlockActions();
    const struct {
        const char* pszCase;
        const std::vector<MacroActionEx>& actions;
        int iEvents, iBlocks;
        bool bFits;
    } rows[] = {
        {"191 events", fits, 191, 4, true},
        {"192 events", long96, 192, 4, false},
        {"five blocks", five, 188, 5, false},
    };
    for (const auto& row : rows) {
        const int iCount = static_cast<int>(row.actions.size());
        EXPECT_EQ(MacroEventTotal(row.actions.data(), iCount), row.iEvents) << row.pszCase;
        EXPECT_EQ(MacroBlocksNeeded(row.actions.data(), iCount), row.iBlocks) << row.pszCase;
        EXPECT_EQ(MacroFitsFrame(row.actions.data(), iCount), row.bFits) << row.pszCase;
    }
    MacroRecordEx macro{};
    macro.iActionNum = 191;  // past the record
    EXPECT_FALSE(MacroFitsFrame(macro));
    macro.iActionNum = -1;
    EXPECT_FALSE(MacroFitsFrame(macro));
    macro.iActionNum = 0;
    EXPECT_TRUE(MacroFitsFrame(macro));
}

// A count past the entry's copy reads no more than its 190 actions.
TEST(Gen2MacroBlocks, AnEntryCountPastItsCopyStaysInside) {
    KeyEntryEx entry = EntryOf(ShortKeys(1));
    for (int i = 0; i < kMacroActionMaxEx; ++i) entry.stActions[i] = Key(0x04, kActionPress, 10);
    entry.wActionNum = 60000;
    const std::vector<FrameBytes> chain = BuildMacroChain(ModelOf(12), 7, entry);
    ASSERT_EQ(chain.size(), 4u);  // 190 two-byte actions need four blocks: 49, 49, 49, 43
    EXPECT_EQ(chain[3][2], 28);
    EXPECT_EQ(chain[3][8], 43);
}

TEST(Gen2MacroBlocks, PiecesOverEveryLink) {
    KeyEntryEx entry = EntryOf(ShortKeys(50));
    for (int i = 0; i < 50; ++i) entry.stActions[i].byKey = static_cast<uint8_t>(0x10 + i);
    const FrameBytes frame = BuildMacroChain(ModelOf(11), 5, entry)[0];  // block 13
    ASSERT_EQ(frame.size(), 111u);

    // Cable and 2.4 GHz receiver: 64-byte pieces of frame bytes 3 on; the third (receiver only) is
    // all zeros with 0C in its byte 1.
    for (ChunkLink eLink : {ChunkLink::Cable, ChunkLink::Receiver}) {
        const MacroChunk first = BuildMacroChunk(frame, 0, eLink);
        const MacroChunk second = BuildMacroChunk(frame, 1, eLink);
        EXPECT_EQ(ToHex(first.data(), 4), "09 40 0D 00");
        EXPECT_EQ(ToHex(first.data() + 4, 60), ToHex(frame.data() + 3, 60));
        EXPECT_EQ(ToHex(second.data(), 4), "09 40 0D 01");
        EXPECT_EQ(ToHex(second.data() + 4, 60), ToHex(frame.data() + 63, 48) + Repeat0(12));
    }
    const MacroChunk third = BuildMacroChunk(frame, 2, ChunkLink::Receiver);
    EXPECT_EQ(ToHex(third.data(), third.size()), "09 0C 0D 02" + Repeat0(60));

    // 4K receiver: two reports of 59 and 52 frame bytes, each summed over its own bytes.
    ASSERT_EQ(Wireless4kPieceCount(frame), 2);
    const Wireless4kFrame piece0 = BuildWireless4kFrame(frame, 0);
    const Wireless4kFrame piece1 = BuildWireless4kFrame(frame, 1);
    EXPECT_EQ(ToHex(piece0.data(), 6), "04 40 00 09 6F 0D");
    EXPECT_EQ(ToHex(piece0.data() + 3, 59), ToHex(frame.data(), 59));
    EXPECT_EQ((piece0[62] << 8) | piece0[63], SumOf(piece0.data(), 62));
    EXPECT_EQ(piece0[64], 0);
    EXPECT_EQ(ToHex(piece1.data(), 3), "04 39 01");
    EXPECT_EQ(ToHex(piece1.data() + 3, 52), ToHex(frame.data() + 59, 52));
    EXPECT_EQ((piece1[55] << 8) | piece1[56], SumOf(piece1.data(), 55));
    EXPECT_EQ(ToHex(piece1.data() + 57, 8), Repeat0(8).substr(1));
}

}  // namespace
