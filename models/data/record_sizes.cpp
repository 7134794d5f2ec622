#include "models/data/record_sizes.h"

#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"
#include "models/data/profile_layout.h"

namespace {

template <class SizeOf>
bool IsOtherLayoutsSize(RecordLayout eOwn, size_t uSize, SizeOf sizeOf) {
    const size_t uOwn = static_cast<size_t>(sizeOf(eOwn));
    for (RecordLayout eLayout : kRecordLayouts) {
        const size_t uOther = static_cast<size_t>(sizeOf(eLayout));
        if (uOther != uOwn && uOther == uSize) return true;
    }
    return false;
}

}  // namespace

int ProfileRecordSize(RecordLayout eLayout) {
    if (const ProfileLayout* pLayout = FindProfileLayout(eLayout)) return pLayout->RecordSize();
    return FindProfileLayoutEx(eLayout)->RecordSize();
}

int ProDataHeaderSize(RecordLayout eLayout) { return 4 + 5 * ProfileRecordSize(eLayout); }

int MacroRecordSize(RecordLayout eLayout) {
    return static_cast<int>(FindProfileLayout(eLayout) != nullptr ? sizeof(MacroRecord) : sizeof(MacroRecordEx));
}

bool IsOtherLayoutsProfileSize(RecordLayout eOwn, size_t uSize) { return IsOtherLayoutsSize(eOwn, uSize, ProfileRecordSize); }

bool IsOtherLayoutsMacroSize(RecordLayout eOwn, size_t uSize) { return IsOtherLayoutsSize(eOwn, uSize, MacroRecordSize); }
