#include "ack_window.h"

CAckWindow::CAckWindow() : m_changed(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CAckWindow::~CAckWindow() = default;

CAckWindow::Epoch CAckWindow::Open() {
    if (m_changed) ResetEvent(m_changed.Get());
    return ++m_epoch;
}

void CAckWindow::Record(bool bAccepted) {
    if (bAccepted)
        m_acknowledged = m_epoch.load();
    else
        m_acknowledged = 0;
    if (m_changed) SetEvent(m_changed.Get());
}

bool CAckWindow::Acknowledged(Epoch epoch) const { return epoch != 0 && m_acknowledged.load() == epoch; }

CAckWindow::Wait CAckWindow::WaitFor(Epoch epoch, unsigned uMs, HANDLE hStop) const {
    const ULONGLONG ullEnd = GetTickCount64() + uMs;
    for (;;) {
        if (Acknowledged(epoch)) return Wait::Acknowledged;
        if (hStop != nullptr && WaitForSingleObject(hStop, 0) == WAIT_OBJECT_0) return Wait::Stopped;
        const ULONGLONG ullNow = GetTickCount64();
        if (ullNow >= ullEnd) return Wait::TimedOut;
        HANDLE waits[2] = {m_changed.Get(), hStop};
        const DWORD dwCount = hStop != nullptr ? 2 : 1;
        const DWORD dwResult = WaitForMultipleObjects(dwCount, waits, FALSE, static_cast<DWORD>(ullEnd - ullNow));
        if (dwResult == WAIT_OBJECT_0 + 1) return Wait::Stopped;
        if (dwResult == WAIT_TIMEOUT) return Acknowledged(epoch) ? Wait::Acknowledged : Wait::TimedOut;
        // A negative answer also wakes the wait: let the next answer wake it again.
        if (dwResult == WAIT_OBJECT_0 && !Acknowledged(epoch)) ResetEvent(m_changed.Get());
    }
}
