#include "profile_layout.h"

#include <cstring>

const ProfileLayout* FindProfileLayout(RecordLayout eLayout) {
    switch (eLayout) {
        case RecordLayout::Gen1A: return &kProfileLayoutA;
        case RecordLayout::Gen1B: return &kProfileLayoutB;
        case RecordLayout::Gen1C: return &kProfileLayoutC;
        case RecordLayout::Gen1D: return &kProfileLayoutD;
        default: return nullptr;
    }
}

void ToFileRecord(const ProfileLayout& layout, const ProfileRecord& rec, uint8_t* pOut) {
    const auto* pRec = reinterpret_cast<const uint8_t*>(&rec);
    for (int i = 0; i < layout.iSpanCount; ++i) {
        const LayoutSpan& span = layout.spans[i];
        std::memcpy(pOut, pRec + span.uBegin, span.uEnd - span.uBegin);
        pOut += span.uEnd - span.uBegin;
    }
}

void FromFileRecord(const ProfileLayout& layout, const uint8_t* pIn, ProfileRecord& rec) {
    std::memset(&rec, 0, sizeof rec);
    auto* pRec = reinterpret_cast<uint8_t*>(&rec);
    for (int i = 0; i < layout.iSpanCount; ++i) {
        const LayoutSpan& span = layout.spans[i];
        std::memcpy(pRec + span.uBegin, pIn, span.uEnd - span.uBegin);
        pIn += span.uEnd - span.uBegin;
    }
}

void ClearUnstoredFields(const ProfileLayout& layout, ProfileRecord& rec) {
    // The spans never overlap, so a byte is unstored exactly when no span covers it.
    auto* pRec = reinterpret_cast<uint8_t*>(&rec);
    for (size_t u = 0; u < sizeof rec; ++u)
        if (layout.FileOffset(u) < 0) pRec[u] = 0;
}
