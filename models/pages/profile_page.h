// The profiles of a model page, for either generation (Records: Gen1Records, Gen2Records), over
// the page's profile store (profile_store.h), which holds them and their lock:
//   - LoadProfiles: the store loads both files; the next apply sends everything.
//   - The apply's side (PlanApply, RecordApplied) and the saves go to the store; the generation
//     builds the frames of the groups that changed (FramesFor).
//   - A setting the mouse changed itself (TakeReported) goes into the current profile and, that
//     field alone, into the copy last sent, then is saved by the worker: pending edits stay
//     pending.
//   - The DPI stage the mouse reports (OnStageReported), the same in both generations.
//   - The event words of the page's mouse (OnEventWord), by the page's table (DispatchEvent):
//     the handlers both generations share (stage, saved) are here, the rate, light mode and
//     0x60 are the generation's.
//   - The button functions (profile_page_keys.cpp).
#pragma once

#include "models/pages/device_page.h"
#include "models/pages/profile_store.h"

#include "ui/ui.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

template <class Records>
class CProfilePageT : public CDevicePage {
public:
    using Model = typename Records::Model;
    using Profile = typename Records::Profile;
    using Macro = typename Records::Macro;
    using Storage = RecordStorage<Records>;
    using KeyEntryOf = typename Profile::KeyType;

    // strDataFolder: the folder holding the model's data folder (empty: the program's "Data").
    CProfilePageT(int iModel, const Model& model, const std::wstring& strDataFolder);

    const Model& Description() const { return m_model; }

    // Copies of the current profile and of the copy last sent, taken under the store's lock.
    Profile CurrentProfileCopy() const { return m_store.CurrentCopy(); }
    Profile SentProfileCopy() const { return m_store.SentCopy(); }

    void RequestResendAll() override { m_store.RequestResendAll(); }
    bool ResendAllPending() const override { return m_store.ResendAllPending(); }

protected:
    // The store loads both files (UI thread, once); false when no profile could be chosen.
    bool LoadProfiles() { return m_store.Load(); }

    // The frames of the groups `changes` names, built from `snapshot` alone, in sending order
    // (DPI, light, rate, keys, then the macros), without the start frame (run under the store's
    // lock).
    std::vector<FrameBytes> FramesFor(const Profile& snapshot, const ChangeFlags& changes);
    // The generation's key frame, and the frames that carry button k's macro (none while the
    // button's function is not a macro at the time of the apply).
    virtual FrameBytes KeyFrame(const Profile& snapshot) const = 0;
    virtual void AppendMacroFrames(std::vector<FrameBytes>& frames, int k, const KeyEntryOf& entry) const = 0;
    ApplyPlan PlanApply() override;
    bool RecordApplied(bool bKeepSentRate, bool bAllDelivered) override {
        return m_store.Record(bKeepSentRate, bAllDelivered);
    }
    bool SaveProfiles() override { return m_store.Save(); }
    void SaveProfilesAtShutdown() override { m_store.SaveAtShutdown(); }

    // The mouse changed a setting: `take` writes it into a profile; it is applied to the current
    // profile and to the copy last sent, then the profiles are saved by the worker. False without
    // a profile.
    bool TakeReported(const std::function<void(Profile&)>& take);
    // The mouse switched to DPI stage iStage (0..7): the stage's option is selected without a
    // notification, its edit highlighted, WM_SHOWDPI posted (the model's slot, the stage's DPI
    // value as stored) and the profiles saved.
    void OnStageReported(int iStage);
    // Settings UI: the DPI edit of the current level stands out.
    virtual void HighlightDpiEdit(int iLevel) = 0;

    // An event word of the mouse (its low byte the model's id byte, its high byte the event
    // code) with its value, by any road, goes to the page's table (DispatchEvent). A model
    // that reports its battery under a code of its own has it read as the battery code, and the
    // battery code means nothing there. Another id byte is ignored; the acknowledgement (0x50)
    // was recorded where it was read.
    void OnEventWord(EventRoad eRoad, int iEventWord, int iValue) override;
    // The event table (device_events.h): the stage, rate, battery, 0x60, light mode and save,
    // each with one handler over every road; the rate, the light mode and 0x60 are the
    // generation's handlers, which tell the roads apart where they must.
    void DispatchEvent(EventRoad eRoad, int iCode, int iValue);
    // Handlers both generations use: the stage (1..8) and the mouse's save (1..5: the profiles
    // saved); a value out of range is ignored.
    void OnStageEvent(EventRoad eRoad, int iValue);
    void OnSavedEvent(EventRoad eRoad, int iValue);
    // The generation's handlers: the rate and the light mode as each road carries them, and
    // event 0x60 (nothing unless the generation says otherwise).
    virtual void OnRateEvent(EventRoad eRoad, int iValue) = 0;
    virtual void OnLightEvent(EventRoad eRoad, int iValue) = 0;
    virtual void OnSixtyEvent(EventRoad eRoad, int iValue) { (void)eRoad, (void)iValue; }
    // The option numbered i of a row ("btn_prate_%d", 2) selected without a notification.
    void SelectNumberedOption(const wchar_t* pszPattern, int i);

    // ---- Button functions (profile_page_keys.cpp, UI thread) ----
    // Key button iButton (0..11; pButton its control) opens the button-function menu of skin
    // strSkin at the button's top-right corner, raised when it would reach the screen's bottom.
    // A button without a macro slot gets no macro item.
    void OpenKeyMenu(int iButton, DuiLib::CControlUI* pButton, const std::wstring& strSkin);
    // The menu item strItem was chosen for the button whose menu opened last: true when that
    // button (m_iMenuKey) took a new function (the caller redraws its caption and applies).
    bool ChooseKeyFunction(std::wstring_view strItem);
    // Key button pButton shows the function the current profile gives button iButton (0..17).
    void ShowKeyCaption(int iButton, DuiLib::CControlUI* pButton);
    // After the macro editor: the edited list becomes the store's and every profile's buttons are
    // brought in line with it; true when the current profile's buttons were touched (the caller
    // redraws and applies).
    bool ResyncKeyMacros(RecordList<Macro> macros);
    // Runs the generation's macro editor (Editor: built on the model number) on the page's macro
    // list and, once it closed, ResyncKeyMacros; its result.
    // The editor works on a copy of the macro list, which the store takes back once it closed.
    template <class Editor>
    bool RunMacroEditor() {
        RecordList<Macro> macros = m_store.MacrosCopy();
        Editor editor(CPageBase::Model());
        editor.m_pMacros = &macros;
        editor.m_pStorage = &m_store.Files();
        editor.m_pHookTable = m_pHookTable;
        RunModal([&] { return editor.Run(m_hMainWnd); });
        return ResyncKeyMacros(std::move(macros));
    }

    std::unique_ptr<DuiLib::CMenuWnd> m_pKeyMenu;  // the menu last opened
    int m_iMenuKey = 0;                            // the key button (0..11) it was opened for

    const Model& m_model;
    CProfileStore<Records> m_store;

private:
    // The shortcut dialog and the macro picker for button k; true when the entry holds the new
    // shortcut or macro, *pbyFunction the function it then takes.
    bool AskShortcut(int k);
    bool AskMacro(int k, uint8_t* pbyFunction);
};
