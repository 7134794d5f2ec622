#include "core/dialogs/rich_edit_filter.h"

namespace {

void WriteBack(DuiLib::CRichEditUI* pEdit, const FilteredText& filtered) {
    if (pEdit == nullptr || !filtered.bChanged) return;
    pEdit->SetText(filtered.strText.c_str());
    pEdit->SetSel(filtered.iCaret, filtered.iCaret);
}

}  // namespace

void FilterDigits(DuiLib::CRichEditUI* pEdit, DuiLib::CDuiString strText) {
    WriteBack(pEdit, FilterDigits(std::wstring_view(strText.str())));
}

void FilterSignedDigits(DuiLib::CRichEditUI* pEdit, DuiLib::CDuiString strText) {
    WriteBack(pEdit, FilterSignedDigits(std::wstring_view(strText.str())));
}
