#include "core/devices/receiver_manager.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"
#include "core/util/instance_token.h"
#include "core/util/string_helpers.h"

#include <cwctype>
#include <memory>

namespace {

struct KindSpec {
    uint16_t wProductId;
    uint16_t wCommandUsagePage;
    uint16_t wCommandUsage;
    int iMaxThreads;
    DWORD dwStackBase;
    const wchar_t* pszProductMatch;
};

constexpr uint16_t kEventUsagePage = 0x000A;
constexpr uint16_t kEventUsage = 0;

const KindSpec& Spec(ReceiverKind kind) {
    static const KindSpec kSpecs[2] = {
        {kReceiverProductId, 0x000B, 0, 24, 0x3000, L"PID_FA60"},
        {kReceiver4kProductId, 0xFF00, 1, 13, 0x4000, L"PID_FA65"},
    };
    return kSpecs[static_cast<int>(kind)];
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

void Trace(const wchar_t* format, ...) {
    wchar_t buf[256];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buf, 255, format, args);
    va_end(args);
    buf[255] = L'\0';
    OutputDebugStringW(buf);
}

}  // namespace

struct CReceiverManager::ThreadStart {
    CReceiverManager* pManager;
    ReceiverKind kind;
    int iSlot;
};

CReceiverManager::CReceiverManager(IReceiverHost& host) : m_host(host) {
    for (KindState& state : m_kinds)
        for (auto& m : state.iModel) m = -1;
}

CReceiverManager::~CReceiverManager() { Shutdown(); }

int CReceiverManager::ModelNumber(ReceiverKind kind, int iEntry) const {
    if (kind == ReceiverKind::Wireless) return iEntry >= 0 && iEntry < kModelCount ? iEntry + 1 : 0;
    return ModelNumberFrom4kIndex(iEntry);
}

bool CReceiverManager::IsReceiverInterface(ReceiverKind kind, const std::wstring& name) {
    // Windows writes the vendor and product parts of an interface name in upper case.
    return name.find(L"VID_1D57") != std::wstring::npos && name.find(Spec(kind).pszProductMatch) != std::wstring::npos;
}

void CReceiverManager::StopThreads(KindState& state) {
    for (PollThread& t : state.threads) t.bStop = true;
    for (PollThread& t : state.threads) {
        if (t.hThread == nullptr) continue;
        WaitForSingleObject(t.hThread, INFINITE);
        CloseHandle(t.hThread);
        t.hThread = nullptr;
        t.dwThreadId = 0;
    }
    for (PollThread& t : state.threads) t.bStop = false;
}

void CReceiverManager::Open(ReceiverKind kind, const CHidCensus& census) {
    if (m_bStopPolling) return;
    const KindSpec& spec = Spec(kind);
    KindState& state = State(kind);

    // Never refill the tables while a thread of the earlier opening could still read them.
    StopThreads(state);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        ++state.uGeneration;
        ++state.iOpenings;
        state.bIdentified.fill(false);
        for (auto& m : state.iModel) m = -1;
        for (ReceiverRecord& r : state.byModel) r = {};
        for (ReceiverRecord& r : state.device) r = {};
        for (ReceiverRecord& r : state.osd) r = {};
        state.iDeviceCount = 0;
        state.iOSDCount = 0;
    }

    for (const HidInterfaceInfo& info : census.Of(kMouseVendorId, spec.wProductId)) {
        const bool bCommand = info.wUsagePage == spec.wCommandUsagePage && info.wUsage == spec.wCommandUsage;
        const bool bEvent = info.wUsagePage == kEventUsagePage && info.wUsage == kEventUsage;
        if (!bCommand && !bEvent) continue;
        int& iCount = bCommand ? state.iDeviceCount : state.iOSDCount;
        if (iCount >= kReceiverTableSize) continue;
        HidDevicePtr handle = OpenHidPath(info.strPath.c_str());
        if (!handle) continue;
        ReceiverRecord record;
        (bCommand ? record.hDevice : record.hOSDDevice) = handle;
        record.szPath = AnsiToWide(info.strPath.c_str());
        record.iSlot = iCount;
        record.szToken = GetInstanceToken(info.strPath.c_str());
        Trace(bCommand ? L"handle = %p\n" : L"OSD handle = %p\n", handle.get());
        std::lock_guard<std::mutex> guard(m_lock);
        (bCommand ? state.device : state.osd)[static_cast<size_t>(iCount)] = std::move(record);
        ++iCount;
    }

    const int iThreads = std::min(state.iOSDCount, spec.iMaxThreads);
    for (int i = 0; i < iThreads; ++i) {
        PollThread& thread = state.threads[static_cast<size_t>(i)];
        auto* start = new ThreadStart{this, kind, i};
        thread.hThread = CreateThread(nullptr, spec.dwStackBase + static_cast<DWORD>(i), &CReceiverManager::PollThreadProc,
                                      start, 0, &thread.dwThreadId);
        if (thread.hThread == nullptr) delete start;
    }
}

DWORD WINAPI CReceiverManager::PollThreadProc(LPVOID pParam) {
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(pParam));
    CReceiverManager& self = *start->pManager;
    PollThread& thread = self.State(start->kind).threads[static_cast<size_t>(start->iSlot)];
    self.PollLoop(start->kind, start->iSlot, thread);
    return 0;
}

void CReceiverManager::PollLoop(ReceiverKind kind, int iSlot, PollThread& thread) {
    unsigned uGeneration;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        uGeneration = State(kind).uGeneration;
    }
    // Each read waits for the interface's next report; its time limit only lets the thread see a
    // stop soon. A receiver whose interface has gone, or no longer reads, ends its thread: the
    // next opening of its kind starts new ones.
    while (!m_bStopPolling && !thread.bStop)
        if (!Poll(kind, iSlot, uGeneration)) return;
}

bool CReceiverManager::Poll(ReceiverKind kind, int iSlot, unsigned uGeneration) {
    KindState& state = State(kind);
    HidDevicePtr hOSD;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        hOSD = state.osd[static_cast<size_t>(iSlot)].hOSDDevice;
    }
    if (!hOSD) return false;
    auto report = std::make_shared<std::array<uint8_t, kReceiverReportSize>>();
    report->fill(0);
    const int iRead = hid_read_timeout(hOSD.get(), report->data(), report->size(),
                                       static_cast<int>(Timing().uReceiverReadTimeoutMs));
    if (iRead <= 0) return iRead == 0;

    const int iEntry = state.iModel[static_cast<size_t>(iSlot)];
    const uint8_t* r = report->data();
    if (iEntry >= 0 && r[0] == kReceiverEventReportId && r[2] == kAcknowledgeEvent)
        m_host.RecordAcknowledgement(kind, ModelNumber(kind, iEntry), r[2] * 256 + r[1], r[4] * 256 + r[3]);

    std::weak_ptr<int> alive = m_alive;
    m_host.PostToUiThread([this, alive, kind, iSlot, uGeneration, report] {
        if (alive.lock()) HandleReport(kind, iSlot, uGeneration, report->data());
    });
    return true;
}

void CReceiverManager::HandleReport(ReceiverKind kind, int iSlot, unsigned uGeneration, const uint8_t* pReport) {
    KindState& state = State(kind);
    if (m_bStopPolling || uGeneration != state.uGeneration) return;  // read by an earlier opening
    const size_t s = static_cast<size_t>(iSlot);
    // Read just before the interface was removed: the receiver is gone, its report with it.
    if (!state.osd[s].hOSDDevice) return;

    // Pairing: the command interface of the same receiver carries the same instance token.
    for (int j = 0; j < state.iDeviceCount; ++j) {
        ReceiverRecord& device = state.device[static_cast<size_t>(j)];
        // A path without an instance token pairs with nothing.
        if (device.szToken.empty() || !EqualNoCase(device.szToken, state.osd[s].szToken)) continue;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            device.hOSDDevice = state.osd[s].hOSDDevice;
        }
        if (!state.bIdentified[s]) {
            // The first report read on a paired interface fixes its model for this opening.
            const int iEntry = kind == ReceiverKind::Wireless
                                   ? ModelNumberFromIdByte(pReport[1]) - 1
                                   : FourKIndexFromIdByte(pReport[1]);
            state.bIdentified[s] = true;
            Assign(kind, iEntry, device);
            state.iModel[s] = iEntry;
        }
        break;
    }

    // An event report of an identified receiver goes to its model's page.
    Trace(L"iNum = %d\r\n", iSlot);
    const int iEntry = state.iModel[s];
    if (iEntry < 0 || pReport[0] != kReceiverEventReportId) return;
    m_host.DispatchReport(kind, ModelNumber(kind, iEntry), pReport);
}

void CReceiverManager::Assign(ReceiverKind kind, int iEntry, const ReceiverRecord& record) {
    const int iLimit = kind == ReceiverKind::Wireless ? kModelCount : kFourKModelCount;
    if (iEntry < 0 || iEntry >= iLimit) return;
    // The event interface was made non-blocking before its polling thread started; it is not
    // touched again while that thread reads it.
    State(kind).byModel[static_cast<size_t>(iEntry)] = record;
    m_host.AssignReceiver(kind, ModelNumber(kind, iEntry), record.hDevice, record.hOSDDevice);
}

void CReceiverManager::OnRemoved(ReceiverKind kind, std::wstring name) {
    if (!IsReceiverInterface(kind, name)) return;
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
    KindState& state = State(kind);
    for (ReceiverRecord& osd : state.osd) {
        if (osd.szPath.empty()) continue;
        if (kind == ReceiverKind::Wireless) Trace(L"OSDHandle = %p ID = %p\n", osd.hOSDDevice.get(), osd.hOSDDevice.get());
        if (!EqualNoCase(osd.szPath, name)) continue;
        std::lock_guard<std::mutex> guard(m_lock);
        // The command record paired with it lets go of its copy too.
        for (ReceiverRecord& device : state.device)
            if (device.hOSDDevice == osd.hOSDDevice) device.hOSDDevice.reset();
        osd = {};  // its polling thread now finds no handle and reads nothing
    }
    for (ReceiverRecord& device : state.device) {
        if (device.szPath.empty() || !EqualNoCase(device.szPath, name)) continue;
        std::lock_guard<std::mutex> guard(m_lock);
        device = {};
    }
    for (size_t m = 0; m < state.byModel.size(); ++m) {
        ReceiverRecord& record = state.byModel[m];
        if (record.szPath.empty() || !EqualNoCase(record.szPath, name)) continue;
        record = {};
        const int iModel = ModelNumber(kind, static_cast<int>(m));
        if (iModel > 0) m_host.ReceiverRemoved(kind, iModel);
    }
}

void CReceiverManager::Shutdown() {
    m_bStopPolling = true;
    for (KindState& state : m_kinds) StopThreads(state);
    std::lock_guard<std::mutex> guard(m_lock);
    for (KindState& state : m_kinds) {
        for (ReceiverRecord& r : state.byModel) r = {};
        for (ReceiverRecord& r : state.device) r = {};
        for (ReceiverRecord& r : state.osd) r = {};
    }
}

int CReceiverManager::PollingThreadCount(ReceiverKind kind) const {
    int n = 0;
    for (const PollThread& t : State(kind).threads) n += t.hThread != nullptr;
    return n;
}

int CReceiverManager::DeviceCount(ReceiverKind kind) const { return State(kind).iDeviceCount; }
int CReceiverManager::OSDCount(ReceiverKind kind) const { return State(kind).iOSDCount; }

int CReceiverManager::SlotModel(ReceiverKind kind, int iSlot) const {
    const KindState& state = State(kind);
    if (iSlot < 0 || iSlot >= kReceiverTableSize || !state.bIdentified[static_cast<size_t>(iSlot)]) return -1;
    return ModelNumber(kind, state.iModel[static_cast<size_t>(iSlot)]);
}
