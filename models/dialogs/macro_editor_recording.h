// The macro editor's recording through Hook.dll and the key capture of its action edit.
// Included by the file that instantiates a generation's editor.
#pragma once

#include "models/dialogs/macro_editor.h"
#include "models/dialogs/macro_recording.h"

#include "core/util/key_text.h"

template <class Gen>
void CMacroEditorT<Gen>::OnRecordCheck() {
    if (m_bRecording) {
        StopRecording();
    } else {
        StartRecordingFromButton();
    }
}

template <class Gen>
void CMacroEditorT<Gen>::StartRecordingFromButton() {
    if (m_pCurMacro == nullptr) AddMacro();
    if (m_pCurMacro == nullptr) {
        SetRecordButton(false);  // nothing to record into
        return;
    }
    if (m_iActionIndex < 0) {
        // Nothing selected: the recording replaces the macro's actions.
        std::fill(std::begin(m_actions), std::end(m_actions), Action{});
        m_iActionNum = 0;
        m_iInsertIndex = m_iInsertStart = -1;
        m_bInsertMode = false;
    } else {
        // The recording goes in after the selected action.
        m_iInsertIndex = m_iInsertStart = m_iActionIndex + 1;
        m_bInsertMode = true;
    }
    StartRecording();
}

template <class Gen>
void CMacroEditorT<Gen>::StartRecording() {
    m_bRecording = true;
    m_bTiming = true;
    // The time up to the first event belongs to no action already in the macro.
    m_bDelayPending = false;
    SetRecordButton(true);
    NormaliseDefaultDelay(Gen::kDelayMin, Gen::kDelayMax);
    m_wDefaultDelay = static_cast<uint16_t>(ReadDelay(m_pDefaultDelayEdit, Gen::kDelayMin, Gen::kDelayMax));
    m_bHookRecord = true;
    m_bKeyCapture = false;
    InstallHooks();
    EnableKeyboardHook(true);
    EnableWheel(false);
    g_dwRecordTick = RecordClockNow();
}

template <class Gen>
void CMacroEditorT<Gen>::StopRecording() {
    g_dwRecordTick = 0;
    m_bRecording = false;
    m_bTiming = false;
    SetRecordButton(false);
    SwitchHooksOff();
    m_bHookRecord = false;
    m_bDelayPending = false;
    if (m_bStopEndsInsertion) m_bInsertMode = false;
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::RecordInput(WPARAM wParam, LPARAM lParam) {
    if (IsHookRepeat(wParam, lParam)) return;  // a held key repeats its press
    if (CalcTotalNum() >= Gen::kRecordStopEvents) {
        StopRecording();
        return;
    }
    HookInput event;
    if (!DecodeHookEvent(wParam, lParam, event)) return;  // a key without a usage records nothing

    if (m_bDelayPending && m_bTiming) {
        int iDelay = Gen::kNoDelay;
        if (m_iDelayMode == 0) iDelay = static_cast<int>(RecordElapsed(Gen::kDelayMax));
        if (m_iDelayMode == 1) iDelay = m_wDefaultDelay;
        // The action recorded just before this one.
        const int iPrevious = m_iInsertIndex == -1 ? m_iActionNum - 1 : m_iInsertIndex - 1;
        if (iPrevious >= 0 && iPrevious < m_iActionNum)
            m_actions[iPrevious].wDelay = static_cast<decltype(Action::wDelay)>(iDelay);
    }
    // The newest action's delay waits for the next event.
    InsertAction(Gen::MakeAction(event.byKey, event.bPress, Gen::kNoDelay));
    g_dwRecordTick = RecordClockNow();
    m_bTiming = true;
    m_bDelayPending = true;
    if (m_iActionNum >= Gen::kActionMax) StopRecording();
    RebuildActionList();
}

template <class Gen>
void CMacroEditorT<Gen>::StartKeyCapture() {
    m_bHookRecord = false;
    m_bKeyCapture = true;
    InstallHooks();
    EnableKeyboardHook(true);
}

template <class Gen>
void CMacroEditorT<Gen>::EndKeyCapture() {
    RemoveKeyboardHook();
    EnableKeyboardHook(false);
    // Keys still queued when the edit lost the focus are not for it any more.
    m_bKeyCapture = false;
}

template <class Gen>
void CMacroEditorT<Gen>::CaptureKey(WPARAM wParam) {
    int iUsage = 0;
    if (!VirtualKeyToUsage(static_cast<int>(wParam), iUsage) || iUsage == 0) return;
    const std::wstring strName = UsageToKeyText(iUsage);
    if (m_pActionEdit != nullptr) m_pActionEdit->SetText(strName.c_str());
    if (!HasSelectedKeyAction()) return;
    m_actions[m_iActionIndex].byKey = static_cast<decltype(Action::byKey)>(iUsage);
    FillActionRow(m_iActionIndex);
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::EndOnClose() {
    if (m_bRecording) StopRecording();
    m_bKeyCapture = false;
    m_bHookRecord = false;
    if (m_bHooksUsed) SwitchHooksOff();
    m_bHooksUsed = false;
}
