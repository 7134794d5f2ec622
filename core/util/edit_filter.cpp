#include "core/util/edit_filter.h"

namespace {

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

template <typename Keep>
FilteredText KeepOnly(std::wstring_view strText, Keep keep) {
    FilteredText result{};
    result.strText.reserve(strText.size());
    for (const wchar_t ch : strText) {
        if (keep(ch)) result.strText.push_back(ch);
    }
    result.bChanged = result.strText.size() != strText.size();
    result.iCaret = int(result.strText.size());
    return result;
}

}  // namespace

FilteredText FilterDigits(std::wstring_view strText) { return KeepOnly(strText, IsDigit); }

FilteredText FilterSignedDigits(std::wstring_view strText) {
    return KeepOnly(strText, [](wchar_t ch) { return IsDigit(ch) || ch == L'-'; });
}

long long LeadingNumber(std::wstring_view strText, long long llLimit, bool bSigned) {
    const bool bNegative = bSigned && !strText.empty() && strText.front() == L'-';
    long long llValue = 0;
    for (size_t i = bNegative ? 1 : 0; i < strText.size() && IsDigit(strText[i]); ++i) {
        llValue = llValue * 10 + (strText[i] - L'0');
        if (llValue >= llLimit) {
            llValue = llLimit;
            break;
        }
    }
    return bNegative ? -llValue : llValue;
}
