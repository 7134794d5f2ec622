// How a model's file lays out a profile: an ordered list of spans of the in-memory record. First
// generation: layout B is MS_10's, A (no iLightOff) MS_1's and MS_2's, C (iSleep and iLightOff
// swapped) that of MS_3, MS_4, MS_5, MS_7 and MS_9, D (C plus iRateHs) MS_6's. Second generation:
// the record as it lies in memory up to its key entries, and the sensor layout, which stores
// iSensorMode after iMotionSync. The exported profile and every record of pro.data are the file
// layout's bytes.
#pragma once

#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"
#include "models/table/model_table.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

struct LayoutSpan {
    uint32_t uBegin;  // offsets in the in-memory record, end exclusive
    uint32_t uEnd;
};

// Profile is the in-memory record the spans point into.
template <class Profile>
struct ProfileLayoutT {
    using Record = Profile;
    static constexpr int kMaxSpans = 6;
    RecordLayout eLayout;
    int iSpanCount;
    LayoutSpan spans[kMaxSpans];

    constexpr int RecordSize() const {
        int iSize = 0;
        for (int i = 0; i < iSpanCount; ++i) iSize += static_cast<int>(spans[i].uEnd - spans[i].uBegin);
        return iSize;
    }
    // File offset of the in-memory byte at uOffset, -1 when the layout does not store it.
    constexpr int FileOffset(size_t uOffset) const {
        int iFile = 0;
        for (int i = 0; i < iSpanCount; ++i) {
            if (uOffset >= spans[i].uBegin && uOffset < spans[i].uEnd)
                return iFile + static_cast<int>(uOffset - spans[i].uBegin);
            iFile += static_cast<int>(spans[i].uEnd - spans[i].uBegin);
        }
        return -1;
    }
    constexpr int HeaderSize() const { return 4 + 5 * RecordSize(); }
};

using ProfileLayout = ProfileLayoutT<ProfileRecord>;
using ProfileLayoutEx = ProfileLayoutT<ProfileRecordEx>;

namespace layout_detail {
#define PROFILE_OFFSET(field) static_cast<uint32_t>(offsetof(ProfileRecord, field))
constexpr uint32_t kEnd = PROFILE_OFFSET(iSensorMode);  // the end of the key entries
constexpr uint32_t kSleep = PROFILE_OFFSET(iSleep);
constexpr uint32_t kLightOff = PROFILE_OFFSET(iLightOff);
constexpr uint32_t kCurDpi = PROFILE_OFFSET(iCurDpi);
constexpr uint32_t kRateHs = PROFILE_OFFSET(iRateHs);
constexpr uint32_t kMoveMode = PROFILE_OFFSET(iMoveMode);
#undef PROFILE_OFFSET
#define PROFILE_OFFSET(field) static_cast<uint32_t>(offsetof(ProfileRecordEx, field))
constexpr uint32_t kEndEx = PROFILE_OFFSET(iSensorMode);
constexpr uint32_t kSensorModeEx = PROFILE_OFFSET(iSensorMode);
constexpr uint32_t kLightModeEx = PROFILE_OFFSET(iLightMode);
#undef PROFILE_OFFSET
}  // namespace layout_detail

inline constexpr ProfileLayout kProfileLayoutA{
    RecordLayout::Gen1A, 3,
    {{0, layout_detail::kLightOff},
     {layout_detail::kCurDpi, layout_detail::kRateHs},
     {layout_detail::kMoveMode, layout_detail::kEnd}}};
inline constexpr ProfileLayout kProfileLayoutB{
    RecordLayout::Gen1B, 5,
    {{0, layout_detail::kSleep},
     {layout_detail::kLightOff, layout_detail::kLightOff + 4},
     {layout_detail::kSleep, layout_detail::kSleep + 4},
     {layout_detail::kCurDpi, layout_detail::kRateHs},
     {layout_detail::kMoveMode, layout_detail::kEnd}}};
inline constexpr ProfileLayout kProfileLayoutC{
    RecordLayout::Gen1C, 2, {{0, layout_detail::kRateHs}, {layout_detail::kMoveMode, layout_detail::kEnd}}};
inline constexpr ProfileLayout kProfileLayoutD{RecordLayout::Gen1D, 1, {{0, layout_detail::kEnd}}};

inline constexpr ProfileLayoutEx kProfileLayoutGen2{RecordLayout::Gen2, 1, {{0, layout_detail::kEndEx}}};
inline constexpr ProfileLayoutEx kProfileLayoutGen2Sensor{
    RecordLayout::Gen2Sensor, 3,
    {{0, layout_detail::kLightModeEx},
     {layout_detail::kSensorModeEx, layout_detail::kSensorModeEx + 4},
     {layout_detail::kLightModeEx, layout_detail::kEndEx}}};

// The layout of a first-generation model's records; nullptr for the second generation.
const ProfileLayout* FindProfileLayout(RecordLayout eLayout);
// The layout of a second-generation model's records; nullptr for the first generation.
const ProfileLayoutEx* FindProfileLayoutEx(RecordLayout eLayout);

// Record bytes in the file layout <-> the in-memory record. Fields the layout does not store are
// zero after FromFileRecord.
template <class Profile>
void ToFileRecord(const ProfileLayoutT<Profile>& layout, const Profile& rec, uint8_t* pOut) {
    const auto* pRec = reinterpret_cast<const uint8_t*>(&rec);
    for (int i = 0; i < layout.iSpanCount; ++i) {
        const LayoutSpan& span = layout.spans[i];
        std::memcpy(pOut, pRec + span.uBegin, span.uEnd - span.uBegin);
        pOut += span.uEnd - span.uBegin;
    }
}

template <class Profile>
void FromFileRecord(const ProfileLayoutT<Profile>& layout, const uint8_t* pIn, Profile& rec) {
    std::memset(&rec, 0, sizeof rec);
    auto* pRec = reinterpret_cast<uint8_t*>(&rec);
    for (int i = 0; i < layout.iSpanCount; ++i) {
        const LayoutSpan& span = layout.spans[i];
        std::memcpy(pRec + span.uBegin, pIn, span.uEnd - span.uBegin);
        pIn += span.uEnd - span.uBegin;
    }
}

// Zeroes the in-memory fields the layout does not store (iLightOff in A, iRateHs in A to C,
// iSensorMode in all but the sensor layout).
template <class Profile>
void ClearUnstoredFields(const ProfileLayoutT<Profile>& layout, Profile& rec) {
    // The spans never overlap and come in no particular order: a byte is unstored exactly when no
    // span covers it.
    auto* pRec = reinterpret_cast<uint8_t*>(&rec);
    size_t uFrom = 0;
    while (uFrom < sizeof rec) {
        size_t uNext = sizeof rec;  // the nearest span start at or after uFrom, or the span uFrom is in
        bool bCovered = false;
        for (int i = 0; i < layout.iSpanCount; ++i) {
            const LayoutSpan& span = layout.spans[i];
            if (uFrom >= span.uBegin && uFrom < span.uEnd) {
                bCovered = true;
                uNext = span.uEnd;
                break;
            }
            if (span.uBegin > uFrom && span.uBegin < uNext) uNext = span.uBegin;
        }
        if (!bCovered) std::memset(pRec + uFrom, 0, uNext - uFrom);
        uFrom = uNext;
    }
}

// File offsets of the four layouts, as their files have them.
#define LAYOUT_AT(layout, field) (layout).FileOffset(offsetof(ProfileRecord, field))
static_assert(kProfileLayoutA.RecordSize() == 32988 && kProfileLayoutA.HeaderSize() == 164944);
static_assert(kProfileLayoutB.RecordSize() == 32992 && kProfileLayoutB.HeaderSize() == 164964);
static_assert(kProfileLayoutC.RecordSize() == 32992 && kProfileLayoutC.HeaderSize() == 164964);
static_assert(kProfileLayoutD.RecordSize() == 32996 && kProfileLayoutD.HeaderSize() == 164984);

static_assert(LAYOUT_AT(kProfileLayoutB, iBreathSpeed) == 2344);
static_assert(LAYOUT_AT(kProfileLayoutB, iLightOff) == 2348);
static_assert(LAYOUT_AT(kProfileLayoutB, iSleep) == 2352);
static_assert(LAYOUT_AT(kProfileLayoutB, iCurDpi) == 2356);
static_assert(LAYOUT_AT(kProfileLayoutB, iRate) == 2360);
static_assert(LAYOUT_AT(kProfileLayoutB, iRateHs) == -1);
static_assert(LAYOUT_AT(kProfileLayoutB, iMoveMode) == 2364);
static_assert(LAYOUT_AT(kProfileLayoutB, iRipple) == 2368);
static_assert(LAYOUT_AT(kProfileLayoutB, iAngleSnap) == 2372);
static_assert(LAYOUT_AT(kProfileLayoutB, iMotionSync) == 2376);
static_assert(LAYOUT_AT(kProfileLayoutB, iLightMode) == 2380);
static_assert(LAYOUT_AT(kProfileLayoutB, iParam5) == 2384);
static_assert(LAYOUT_AT(kProfileLayoutB, byParam6) == 2388);
static_assert(LAYOUT_AT(kProfileLayoutB, iDebounce) == 2392);
static_assert(LAYOUT_AT(kProfileLayoutB, dwLightColor) == 2396);
static_assert(LAYOUT_AT(kProfileLayoutB, dwDpiColor) == 2400);
static_assert(LAYOUT_AT(kProfileLayoutB, dwColor2) == 2432);
static_assert(LAYOUT_AT(kProfileLayoutB, stKeys) == 2464);

static_assert(LAYOUT_AT(kProfileLayoutA, iLightOff) == -1);
static_assert(LAYOUT_AT(kProfileLayoutA, iSleep) == 2348);
static_assert(LAYOUT_AT(kProfileLayoutA, iCurDpi) == 2352);
static_assert(LAYOUT_AT(kProfileLayoutA, iRate) == 2356);
static_assert(LAYOUT_AT(kProfileLayoutA, iMoveMode) == 2360);
static_assert(LAYOUT_AT(kProfileLayoutA, iRipple) == 2364);
static_assert(LAYOUT_AT(kProfileLayoutA, iAngleSnap) == 2368);
static_assert(LAYOUT_AT(kProfileLayoutA, iMotionSync) == 2372);
static_assert(LAYOUT_AT(kProfileLayoutA, iLightMode) == 2376);
static_assert(LAYOUT_AT(kProfileLayoutA, iParam5) == 2380);
static_assert(LAYOUT_AT(kProfileLayoutA, byParam6) == 2384);
static_assert(LAYOUT_AT(kProfileLayoutA, iDebounce) == 2388);
static_assert(LAYOUT_AT(kProfileLayoutA, dwLightColor) == 2392);
static_assert(LAYOUT_AT(kProfileLayoutA, dwDpiColor) == 2396);
static_assert(LAYOUT_AT(kProfileLayoutA, dwColor2) == 2428);
static_assert(LAYOUT_AT(kProfileLayoutA, stKeys) == 2460);

static_assert(LAYOUT_AT(kProfileLayoutC, iSleep) == 2348);
static_assert(LAYOUT_AT(kProfileLayoutC, iLightOff) == 2352);
static_assert(LAYOUT_AT(kProfileLayoutC, iRate) == 2360);
static_assert(LAYOUT_AT(kProfileLayoutC, iMoveMode) == 2364);
static_assert(LAYOUT_AT(kProfileLayoutC, iLightMode) == 2380);
static_assert(LAYOUT_AT(kProfileLayoutC, stKeys) == 2464);

static_assert(LAYOUT_AT(kProfileLayoutD, iRateHs) == 2364);
static_assert(LAYOUT_AT(kProfileLayoutD, iMoveMode) == 2368);
static_assert(LAYOUT_AT(kProfileLayoutD, iLightMode) == 2384);
static_assert(LAYOUT_AT(kProfileLayoutD, dwLightColor) == 2400);
static_assert(LAYOUT_AT(kProfileLayoutD, stKeys) == 2468);

#define LAYOUT_AT_EX(layout, field) (layout).FileOffset(offsetof(ProfileRecordEx, field))
static_assert(kProfileLayoutGen2.RecordSize() == 101540 && kProfileLayoutGen2.HeaderSize() == 507704);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2, iLightMode) == 2384);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2, stKeys) == 2468);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2, iSensorMode) == -1);
static_assert(kProfileLayoutGen2Sensor.RecordSize() == 101544 && kProfileLayoutGen2Sensor.HeaderSize() == 507724);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, iMotionSync) == 2380);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, iSensorMode) == 2384);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, iLightMode) == 2388);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, iDebounce) == 2400);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, dwLightColor) == 2404);
static_assert(LAYOUT_AT_EX(kProfileLayoutGen2Sensor, stKeys) == 2472);
#undef LAYOUT_AT_EX
#undef LAYOUT_AT
