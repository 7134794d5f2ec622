// Change detection of the second generation: the one comparison both generations share
// (profile_diff.h), for every second-generation page (subsystems 3, 6, 7 and 8).
#pragma once

#include "models/data/profile_diff.h"
