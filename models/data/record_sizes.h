// File sizes that follow from a model's record layout: one profile record, the pro.data header
// (current index and five records' worth of reserved bytes) and one macro record.
#pragma once

#include "models/table/model_table.h"

#include <cstddef>

int ProfileRecordSize(RecordLayout eLayout);
int ProDataHeaderSize(RecordLayout eLayout);
int MacroRecordSize(RecordLayout eLayout);

// Whether a file of uSize bytes is exactly one record of a layout, of either generation, whose
// records are not as long as eOwn's: an export of another model family, which read as eOwn's
// record would be out of step.
bool IsOtherLayoutsProfileSize(RecordLayout eOwn, size_t uSize);
bool IsOtherLayoutsMacroSize(RecordLayout eOwn, size_t uSize);
