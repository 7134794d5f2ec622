// The profile-name dialog every model shares: a person types the name of a new profile or the
// new name of the current one. A name is cut to what a profile record holds (99 characters);
// an empty name and a name another profile of the page already has (letter case aside, the
// profile being renamed included) are refused with a message, and the dialog stays open.
//
// The page's calling sequence: build the model's dialog (CMS_10_ProfileName) on the stack, set
// m_strTitle ("profile_name_1_text" to add, "profile_name_2_text" to rename) and m_pProfiles
// (a copy of the page's profiles), Run(main window). Only a result of 1 counts: m_strName is then the name.
#pragma once

#include <windows.h>

#include "models/dialogs/control_binder.h"
#include "models/dialogs/model_dialog.h"
#include "models/dialogs/record_names.h"
#include "ui/ui.h"

#include <string>
#include <vector>

class CProfileNameBase : public CModelDialog {
public:
    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    void Notify(DuiLib::TNotifyUI& msg) override;

    // Shows the dialog owned by hOwner (without a window name), centred and modal: 1 for OK
    // with an accepted name, 0 for any other close.
    UINT Run(HWND hOwner);

    DuiLib::CDuiString m_strName;   // out: the accepted name, empty until then
    DuiLib::CDuiString m_strTitle;  // in: text id of the title
    RecordNames m_pProfiles;        // in: the page's profile list

    // What a profile record's name holds, when no list says otherwise.
    static constexpr size_t kNameCharsMax = 99;

protected:
    // Window class "MS_10_ProfileName", skin "MS/MS_10/profilename.xml".
    explicit CProfileNameBase(int iModel) : CModelDialog(iModel, L"ProfileName", L"profilename.xml") {}

private:
    size_t NameCapacity() const { return m_pProfiles.NameCapacity() != 0 ? m_pProfiles.NameCapacity() : kNameCharsMax; }
    void Accept();

    AnswerButtons m_answer;
    DuiLib::CLabelUI* m_pTitle = nullptr;
    DuiLib::CRichEditUI* m_pEditName = nullptr;
};

// The dialog of a model a page knows by its number (the same window class and skin as the
// model's own CMS_N_ProfileName).
class CModelProfileName : public CProfileNameBase {
public:
    explicit CModelProfileName(int iModel) : CProfileNameBase(iModel) {}
};
