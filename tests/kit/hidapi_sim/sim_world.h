// The simulated HID world behind the fake hidapi.dll: interfaces, their input queues, the log of
// written reports, faults and acknowledgement rules. Every member is guarded by one lock, so
// the program's threads, the driver libraries' threads and the test thread can all use it.
#pragma once

#include "tests/kit/hidapi_sim/simhid.h"

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace simhid {

using Bytes = std::vector<unsigned char>;

struct Interface {
    int id = 0;
    std::string path;
    unsigned short vendorId = 0, productId = 0, usagePage = 0, usage = 0, release = 0;
    int interfaceNumber = -1;
    std::wstring manufacturer, product, serial;
    bool plugged = true;
    unsigned faults = 0;
    int writesBeforeFault = -1;  // writes that still succeed before every later one fails; -1 none
    int writesUntilRefusal = 0;  // > 0: the write that brings it to 0 is refused
    int openHandles = 0;
    bool holdWrites = false;  // a write waits inside the call until the hold is lifted
    int heldWrites = 0;       // writes waiting so
    std::deque<Bytes> input;
    Bytes featureResponse;
};

struct WrittenReport {
    int interfaceId;
    int kind;
    Bytes data;
    unsigned long long sequence;
};

struct AckRule {
    int eventId;
    Bytes report;
    int skip;
    int times;  // < 0: for ever
};

class World {
public:
    static World& Get();

    void Reset();
    void SetInitResult(int r);
    int Init();
    int InitCalls();
    int EnumerateCalls();

    int Plug(const SimHidInterface& desc);
    bool Unplug(int id);
    bool IsPlugged(int id);
    int OpenHandles(int id);

    // Snapshot of the plugged interfaces matching the ids (0 = any), in plug order.
    std::vector<Interface> Enumerate(unsigned short vid, unsigned short pid);
    // Opens by path; returns the interface id or 0.
    int Open(const std::string& path);
    void Close(int id);
    std::optional<Interface> Info(int id);

    bool QueueInput(int id, const unsigned char* data, int length);
    int PendingInput(int id);
    // Reads one report: > 0 bytes, 0 when none arrived within timeoutMs (-1 = wait for ever),
    // -1 when the interface is unplugged or its reads fail.
    int Read(int id, unsigned char* data, size_t length, int timeoutMs);

    int Write(int id, int kind, const unsigned char* data, size_t length);
    int GetFeature(int id, unsigned char* data, size_t length);
    bool SetFeatureResponse(int id, const unsigned char* data, int length);

    bool SetFaults(int id, unsigned flags);
    bool FailWritesFrom(int id, int nth);
    bool RefuseNthWrite(int id, int nth);
    bool SetAck(int writtenId, int eventId, const unsigned char* report, int length, int skip, int times);
    // While held, a feature or output report written to the interface waits inside the call
    // (as a wedged device's write does) until the hold is lifted or the world reset.
    bool HoldWrites(int id, bool hold);
    int HeldWrites(int id);

    int WriteCount();
    int GetWrite(int index, SimHidWrite* info, unsigned char* data, int capacity);
    void ClearWrites();
    bool WaitWrites(int count, unsigned timeoutMs);

private:
    Interface* Find(int id);  // caller holds m_lock

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::map<int, Interface> m_interfaces;
    std::vector<int> m_order;
    std::map<int, AckRule> m_acks;
    std::vector<WrittenReport> m_writes;
    unsigned long long m_sequence = 0;
    int m_nextId = 1;
    int m_initResult = 0;
    int m_initCalls = 0;
    int m_enumerateCalls = 0;
};

}  // namespace simhid
