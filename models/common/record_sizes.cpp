#include "record_sizes.h"

#include "profile_layout.h"

int ProfileRecordSize(RecordLayout eLayout) {
    if (const ProfileLayout* pLayout = FindProfileLayout(eLayout)) return pLayout->RecordSize();
    return eLayout == RecordLayout::Gen2Sensor ? 101544 : 101540;
}

int ProDataHeaderSize(RecordLayout eLayout) { return 4 + 5 * ProfileRecordSize(eLayout); }

int MacroRecordSize(RecordLayout eLayout) { return FindProfileLayout(eLayout) != nullptr ? 240 : 3096; }
