// CNotifyPump: dispatches notifications through message maps, and keeps the virtual windows:
// named receivers (the settings pages) that get the notifications of the controls carrying
// their name in "virtualwnd".
//
// A message map binds notification types (and optionally a control name) to member functions:
//   class CPage : public DuiLib::CNotifyPump {
//       DUI_DECLARE_MESSAGE_MAP()
//       virtual void OnClick(DuiLib::TNotifyUI& msg);
//   };
//   DUI_BEGIN_MESSAGE_MAP(CPage, DuiLib::CNotifyPump)
//       DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
//   DUI_END_MESSAGE_MAP()
// The first entry whose type (and control name, when given) matches is called; the class's own
// map is searched before its base map.
#pragma once

#include <map>
#include <string>

#include "ui/base/dui_string.h"
#include "ui/manager/notify.h"

namespace DuiLib {

class CNotifyPump;
using DUI_PMSG = void (CNotifyPump::*)(TNotifyUI& msg);

enum DuiSig {
    DuiSig_end = 0,  // ends a map's entries
    DuiSig_lwl,      // reserved
    DuiSig_vn,       // void (TNotifyUI&)
};

struct DUI_MSGMAP_ENTRY {
    CDuiString sMsgType;
    CDuiString sCtrlName;  // empty: any control
    UINT nSig;
    DUI_PMSG pfn;
};

struct DUI_MSGMAP {
    const DUI_MSGMAP* (*pfnGetBaseMap)();  // nullptr for the root map
    const DUI_MSGMAP_ENTRY* lpEntries;
};

}  // namespace DuiLib

#define DUI_DECLARE_MESSAGE_MAP()                                      \
public:                                                                \
    static const DuiLib::DUI_MSGMAP messageMap;                        \
    static const DuiLib::DUI_MSGMAP* _GetBaseMessageMap();             \
    static const DuiLib::DUI_MSGMAP_ENTRY* _GetMessageEntries();       \
    virtual const DuiLib::DUI_MSGMAP* GetMessageMap() const;           \
                                                                       \
protected:

// The entries live in a function so that the map macros can name the class for the handlers.
#define DUI_BEGIN_MESSAGE_MAP(theClass, baseClass)                                                   \
    const DuiLib::DUI_MSGMAP* theClass::_GetBaseMessageMap() { return &baseClass::messageMap; }      \
    const DuiLib::DUI_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; }      \
    const DuiLib::DUI_MSGMAP theClass::messageMap = {&theClass::_GetBaseMessageMap,                  \
                                                     theClass::_GetMessageEntries()};                \
    const DuiLib::DUI_MSGMAP_ENTRY* theClass::_GetMessageEntries() {                                 \
        using DuiThisClass = theClass;                                                               \
        static const DuiLib::DUI_MSGMAP_ENTRY entries[] = {

#define DUI_END_MESSAGE_MAP()                                                    \
            {DuiLib::CDuiString(), DuiLib::CDuiString(), DuiLib::DuiSig_end, nullptr} \
        };                                                                       \
        return entries;                                                          \
    }

#define DUI_ON_MSGTYPE(msgtype, memberFxn) \
    {msgtype, DuiLib::CDuiString(), DuiLib::DuiSig_vn, static_cast<DuiLib::DUI_PMSG>(&DuiThisClass::memberFxn)},
#define DUI_ON_MSGTYPE_CTRNAME(msgtype, ctrname, memberFxn) \
    {msgtype, ctrname, DuiLib::DuiSig_vn, static_cast<DuiLib::DUI_PMSG>(&DuiThisClass::memberFxn)},
#define DUI_ON_CLICK_CTRNAME(ctrname, memberFxn) DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_CLICK, ctrname, memberFxn)
#define DUI_ON_SELECTCHANGED_CTRNAME(ctrname, memberFxn) \
    DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_SELECTCHANGED, ctrname, memberFxn)
#define DUI_ON_KILLFOCUS_CTRNAME(ctrname, memberFxn) DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_KILLFOCUS, ctrname, memberFxn)
#define DUI_ON_TIMER() DUI_ON_MSGTYPE(DUI_MSGTYPE_TIMER, OnTimer)

namespace DuiLib {

class CNotifyPump {
public:
    CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;
    virtual ~CNotifyPump() = default;

    // Registers a receiver under a virtual-window name; false when the name is taken.
    bool AddVirtualWnd(CDuiString strName, CNotifyPump* pObject);
    bool RemoveVirtualWnd(CDuiString strName);
    // A notification of a virtual window goes to the receiver registered under that name (and
    // nowhere when none is); any other goes through this object's own message map.
    void NotifyPump(TNotifyUI& msg);
    // Runs the first matching entry of this object's maps; false when none matches.
    bool LoopDispatch(TNotifyUI& msg);

    static const DUI_MSGMAP messageMap;  // the root map: no entries, no base
    static const DUI_MSGMAP* _GetBaseMessageMap();
    virtual const DUI_MSGMAP* GetMessageMap() const;

private:
    std::map<std::wstring, CNotifyPump*> m_VirtualWndMap;
};

}  // namespace DuiLib
