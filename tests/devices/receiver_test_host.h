// A stand-in for the main window around the receiver manager: it runs posted work on the test's
// thread (through a message-only window, as the real window does) and records every call.
#pragma once

#include "core/devices/receiver_manager.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct AssignedCall {
    ReceiverKind kind;
    int iModel;
    HidDevicePtr hDevice, hOSDDevice;
};
struct DispatchedCall {
    ReceiverKind kind;
    int iModel;
    std::vector<uint8_t> report;
};
struct AckCall {
    ReceiverKind kind;
    int iModel, iWord, iValue;
    DWORD dwThreadId;
};

class ReceiverTestHost : public IReceiverHost {
public:
    ReceiverTestHost();
    ~ReceiverTestHost() override;

    void PostToUiThread(std::function<void()> work) override;
    void AssignReceiver(ReceiverKind kind, int iModel, const HidDevicePtr& hDevice, const HidDevicePtr& hOSDDevice) override;
    void DispatchReport(ReceiverKind kind, int iModel, const uint8_t* pReport) override;
    void ReceiverRemoved(ReceiverKind kind, int iModel) override;
    void RecordAcknowledgement(ReceiverKind kind, int iModel, int iWord, int iValue) override;

    // Runs posted work until `done` holds (false when the time is up).
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
    void PumpFor(DWORD ms);

    std::vector<AssignedCall> assigned;
    std::vector<DispatchedCall> dispatched;
    std::vector<std::pair<ReceiverKind, int>> removed;
    std::vector<AckCall> Acks();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd = nullptr;
    std::mutex m_ackLock;
    std::vector<AckCall> m_acks;
};
