#include "models/pages/profile_page.h"

#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_storage.h"
#include "core/page/page_messages.h"
#include "core/util/folders.h"

#include <string_view>

template <class R>
CProfilePageT<R>::CProfilePageT(int iModel, const Model& model, const std::wstring& strDataFolder)
    : CDevicePage(iModel),
      m_model(model),
      m_store(iModel, model, strDataFolder.empty() ? GetDataFolder() : strDataFolder,
              [](std::wstring_view strTextId) { return DuiLib::LanguageTextOf(std::wstring(strTextId).c_str()); }) {}

template <class R>
ApplyPlan CProfilePageT<R>::PlanApply() {
    return m_store.Plan([this](const Profile& snapshot, const ChangeFlags& changes) { return FramesFor(snapshot, changes); });
}

template <class R>
std::vector<FrameBytes> CProfilePageT<R>::FramesFor(const Profile& snapshot, const ChangeFlags& changes) {
    std::vector<FrameBytes> frames;
    if (changes.bDpiChanged) frames.push_back(BuildDpiReport(m_model, snapshot));
    if (changes.bLightChanged) frames.push_back(BuildLightReport(m_model, snapshot));
    if (changes.bRateChanged) frames.push_back(BuildRateReport(m_model, snapshot));
    if (changes.bKeyChanged) frames.push_back(KeyFrame(snapshot));
    for (int k = 0; k < kButtonCount; ++k)
        if (changes.bMacroChanged[k]) AppendMacroFrames(frames, k, snapshot.stKeys[k]);
    return frames;
}

template <class R>
bool CProfilePageT<R>::TakeReported(const std::function<void(Profile&)>& take) {
    if (!m_store.TakeReported(take)) return false;
    this->SaveProfilesSoon();
    return true;
}

template <class R>
void CProfilePageT<R>::OnStageReported(int iStage) {
    if (iStage < 0 || iStage >= kDpiStageCount) return;
    if (!m_store.TakeReported([iStage](Profile& p) { p.iCurDpi = iStage; })) return;
    const int32_t iStoredDpi = m_store.Read([iStage](const Profile& p) { return p.iDpi[iStage]; }).value_or(0);
    SelectNumberedOption(L"option_dpi_step_%d", iStage + 1);
    HighlightDpiEdit(iStage);
    if (m_hMainWnd != nullptr) ::PostMessageW(m_hMainWnd, WM_SHOWDPI, static_cast<WPARAM>(Info().Slot()), iStoredDpi);
    this->SaveProfilesSoon();
}

namespace {

// The code of a model's battery reports: its description's where it gives one.
template <class Model>
int BatteryEventCodeOf(const Model& model) {
    if constexpr (requires { model.iBatteryEventCode; })
        return model.iBatteryEventCode;
    else
        return kEventBattery;
}

}  // namespace

template <class R>
void CProfilePageT<R>::OnEventWord(EventRoad eRoad, int iEventWord, int iValue) {
    if ((iEventWord & 0xFF) != Info().byIdByte) return;
    int iCode = (iEventWord >> 8) & 0xFF;
    if (iCode == BatteryEventCodeOf(m_model))
        iCode = kEventBattery;
    else if (iCode == kEventBattery)
        return;
    DispatchEvent(eRoad, iCode, iValue);
}

template <class R>
void CProfilePageT<R>::DispatchEvent(EventRoad eRoad, int iCode, int iValue) {
    using P = CProfilePageT<R>;
    static constexpr DeviceEventRow<P> kEvents[] = {
        //  code             cable, 2.4 GHz       4K receiver          Bluetooth LE
        {kEventStage,     &P::OnStageEvent,    &P::OnStageEvent,    &P::OnStageEvent},
        {kEventRate,      &P::OnRateEvent,     &P::OnRateEvent,     &P::OnRateEvent},
        {kEventBattery,   &P::OnBatteryEvent,  &P::OnBatteryEvent,  &P::OnBatteryEvent},
        {kEventSixty,     &P::OnSixtyEvent,    &P::OnSixtyEvent,    &P::OnSixtyEvent},
        {kEventLightMode, &P::OnLightEvent,    &P::OnLightEvent,    &P::OnLightEvent},
        {kEventSaved,     &P::OnSavedEvent,    &P::OnSavedEvent,    &P::OnSavedEvent},
    };
    DispatchDeviceEvent(*this, kEvents, eRoad, iCode, iValue);
}

template <class R>
void CProfilePageT<R>::OnStageEvent(EventRoad, int iValue) {
    if (iValue >= 1 && iValue <= kDpiStageCount) OnStageReported(iValue - 1);
}

template <class R>
void CProfilePageT<R>::OnSavedEvent(EventRoad, int iValue) {
    if (iValue >= 1 && iValue <= 5) this->SaveProfilesSoon();
}

template <class R>
void CProfilePageT<R>::SelectNumberedOption(const wchar_t* pszPattern, int i) {
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedName(pszPattern, i).c_str())) pOption->Selected(true, false);
}

template class CProfilePageT<Gen1Records>;
template class CProfilePageT<Gen2Records>;
