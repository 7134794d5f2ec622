// The 2.4 GHz and 4K receivers: opening every present receiver of a kind, one polling thread
// per event interface, pairing each event interface with its receiver's command interface by
// instance token, working out once which model answers on it, and noticing removals.
//
// Threads: a polling thread only reads; every report is handed to the UI thread (posted, never
// sent), where pairing, identification and dispatch run. The one exception is the
// acknowledgement event, which is recorded at once on the polling thread because a page's send
// loop is waiting for it. Reports read by the threads of an earlier opening are dropped.
#pragma once

#include "core/devices/hid_census.h"
#include "core/devices/hid_handle.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

enum class ReceiverKind { Wireless = 0, Wireless4k = 1 };

constexpr int kReceiverTableSize = 30;
constexpr int kReceiverReportSize = 100;
constexpr uint8_t kReceiverEventReportId = 3;
constexpr uint8_t kAcknowledgeEvent = 0x50;

// One opened receiver interface.
struct ReceiverRecord {
    HidDevicePtr hDevice;     // command interface (null in an event-interface record)
    HidDevicePtr hOSDDevice;  // event interface (in a command record: filled in when paired)
    std::wstring szPath;
    int iSlot = 0;
    std::wstring szToken;
};

// What the manager needs from the program around it. Every call but RecordAcknowledgement and
// PostToUiThread runs on the UI thread.
class IReceiverHost {
public:
    virtual ~IReceiverHost() = default;
    // Runs `work` later on the UI thread (any thread may call this).
    virtual void PostToUiThread(std::function<void()> work) = 0;
    // Model `iModel` (1..24) was found on a receiver of `kind`: hand it the interfaces.
    virtual void AssignReceiver(ReceiverKind kind, int iModel, const HidDevicePtr& hDevice,
                                const HidDevicePtr& hOSDDevice) = 0;
    // A report read on an interface fixed for model `iModel` (report id 3 only).
    virtual void DispatchReport(ReceiverKind kind, int iModel, const uint8_t* pReport) = 0;
    // The receiver interface that model `iModel` was found on has been removed.
    virtual void ReceiverRemoved(ReceiverKind kind, int iModel) = 0;
    // Polling thread: an acknowledgement (event 0x50) read for model `iModel`.
    virtual void RecordAcknowledgement(ReceiverKind kind, int iModel, int iEventWord, int iValue) = 0;
};

class CReceiverManager {
public:
    explicit CReceiverManager(IReceiverHost& host);
    ~CReceiverManager();
    CReceiverManager(const CReceiverManager&) = delete;
    CReceiverManager& operator=(const CReceiverManager&) = delete;

    // UI thread. Ends the earlier opening's polling threads of the kind, opens every receiver of
    // the kind the census lists and starts polling its event interfaces. Without a census, one
    // is taken for this opening.
    void OpenWirelessReceivers() { Open(ReceiverKind::Wireless); }
    void OpenWireless4kReceivers() { Open(ReceiverKind::Wireless4k); }
    void Open(ReceiverKind kind) { Open(kind, CHidCensus::Take()); }
    void Open(ReceiverKind kind, const CHidCensus& census);

    // UI thread: a device interface was removed (its Windows interface name).
    void OnWirelessReceiverRemoved(const std::wstring& name) { OnRemoved(ReceiverKind::Wireless, name); }
    void OnWireless4kReceiverRemoved(const std::wstring& name) { OnRemoved(ReceiverKind::Wireless4k, name); }
    void OnRemoved(ReceiverKind kind, std::wstring name);

    // Which receiver kind an arriving device interface belongs to, if any.
    static bool IsReceiverInterface(ReceiverKind kind, const std::wstring& name);

    // Stops every polling thread and waits for it; nothing reaches the host afterwards.
    void Shutdown();

    // For tests and diagnostics.
    int PollingThreadCount(ReceiverKind kind) const;
    // How many times the kind has been opened.
    int OpenCount(ReceiverKind kind) const { return State(kind).iOpenings; }
    int DeviceCount(ReceiverKind kind) const;
    int OSDCount(ReceiverKind kind) const;
    // The model fixed for an event slot: 1..24, 0 when fixed as none, -1 while not identified.
    int SlotModel(ReceiverKind kind, int iSlot) const;

private:
    struct PollThread {
        HANDLE hThread = nullptr;
        DWORD dwThreadId = 0;
        std::atomic<bool> bStop{false};
    };
    struct KindState {
        // Per entry: its polling thread and the interface records of the receivers found.
        std::array<PollThread, kReceiverTableSize> threads;
        std::array<ReceiverRecord, kReceiverTableSize> byModel;  // by model slot or 4K index
        std::array<ReceiverRecord, kReceiverTableSize> device;
        std::array<ReceiverRecord, kReceiverTableSize> osd;
        // What the openings found and identified so far.
        int iDeviceCount = 0;
        int iOSDCount = 0;
        std::array<bool, kReceiverTableSize> bIdentified{};
        std::array<std::atomic<int>, kReceiverTableSize> iModel{};  // model slot / 4K index, -1 none
        unsigned uGeneration = 0;
        int iOpenings = 0;
    };
    struct ThreadStart;

    static DWORD WINAPI PollThreadProc(LPVOID pParam);
    void PollLoop(ReceiverKind kind, int iSlot, PollThread& thread);
    // One read and what follows from it; false when the interface is gone or fails to read.
    bool Poll(ReceiverKind kind, int iSlot, unsigned uGeneration);
    void HandleReport(ReceiverKind kind, int iSlot, unsigned uGeneration, const uint8_t* pReport);
    void Assign(ReceiverKind kind, int iEntry, const ReceiverRecord& record);
    void StopThreads(KindState& state);
    int ModelNumber(ReceiverKind kind, int iEntry) const;
    KindState& State(ReceiverKind kind) { return m_kinds[static_cast<int>(kind)]; }
    const KindState& State(ReceiverKind kind) const { return m_kinds[static_cast<int>(kind)]; }

    IReceiverHost& m_host;
    mutable std::mutex m_lock;  // guards the records the polling threads read
    std::array<KindState, 2> m_kinds;
    std::atomic<bool> m_bStopPolling{false};
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // posted work checks the manager is still there
};
