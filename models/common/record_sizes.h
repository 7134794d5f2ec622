// File sizes that follow from a model's record layout: one profile record, the pro.data header
// (current index and five records' worth of reserved bytes) and one macro record.
#pragma once

#include "model_table.h"

int ProfileRecordSize(RecordLayout eLayout);
int ProDataHeaderSize(RecordLayout eLayout);
int MacroRecordSize(RecordLayout eLayout);
