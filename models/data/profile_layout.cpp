#include "models/data/profile_layout.h"

const ProfileLayout* FindProfileLayout(RecordLayout eLayout) {
    switch (eLayout) {
        case RecordLayout::Gen1A: return &kProfileLayoutA;
        case RecordLayout::Gen1B: return &kProfileLayoutB;
        case RecordLayout::Gen1C: return &kProfileLayoutC;
        case RecordLayout::Gen1D: return &kProfileLayoutD;
        default: return nullptr;
    }
}

const ProfileLayoutEx* FindProfileLayoutEx(RecordLayout eLayout) {
    switch (eLayout) {
        case RecordLayout::Gen2: return &kProfileLayoutGen2;
        case RecordLayout::Gen2Sensor: return &kProfileLayoutGen2Sensor;
        default: return nullptr;
    }
}
