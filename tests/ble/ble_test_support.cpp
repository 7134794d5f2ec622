#include "tests/ble/ble_test_support.h"

#include "core/devices/ble_platform.h"

#include <algorithm>

namespace bletest {
namespace {

std::mutex g_lock;
std::vector<std::wstring> g_lines;
std::vector<Notification> g_notifications;

void CollectLine(const wchar_t* pszLine) {
    std::lock_guard lock(g_lock);
    g_lines.emplace_back(pszLine);
}

// No test, whatever it runs, may reach the system's GATT functions: under Wine they end the
// process, on Windows they would talk to a real mouse.
class NoSystemGatt : public ::testing::Environment {
public:
    void TearDown() override { EXPECT_FALSE(SystemGattApiRequested()); }
};
[[maybe_unused]] ::testing::Environment* const g_pNoSystemGatt =
    ::testing::AddGlobalTestEnvironment(new NoSystemGatt);

}  // namespace

TraceCapture::TraceCapture() {
    std::lock_guard lock(g_lock);
    g_lines.clear();
    SetBleTraceSink(CollectLine);
}

TraceCapture::~TraceCapture() { SetBleTraceSink(nullptr); }

std::vector<std::wstring> TraceCapture::Lines() const {
    std::lock_guard lock(g_lock);
    return g_lines;
}

int TraceCapture::Count(const std::wstring& line) const {
    std::lock_guard lock(g_lock);
    return static_cast<int>(std::count(g_lines.begin(), g_lines.end(), line));
}

bool TraceCapture::AnyContains(const std::wstring& text) const {
    std::lock_guard lock(g_lock);
    return std::any_of(g_lines.begin(), g_lines.end(),
                       [&](const std::wstring& line) { return line.find(text) != std::wstring::npos; });
}

void CALLBACK RecordNotification(BTH_LE_GATT_EVENT_TYPE type, PVOID pEvent, PVOID pContext) {
    auto* pChanged = static_cast<BLUETOOTH_GATT_VALUE_CHANGED_EVENT*>(pEvent);
    Notification n{type, pChanged->ChangedAttributeHandle, {}, pContext, GetCurrentThreadId()};
    const UCHAR* pData = pChanged->CharacteristicValue->Data;
    n.value.assign(pData, pData + pChanged->CharacteristicValue->DataSize);
    std::lock_guard lock(g_lock);
    g_notifications.push_back(std::move(n));
}

std::vector<Notification> TakeNotifications() {
    std::lock_guard lock(g_lock);
    return std::exchange(g_notifications, {});
}

blekit::Bytes Frame(size_t size) {
    blekit::Bytes frame(size);
    for (size_t i = 0; i < size; ++i) frame[i] = static_cast<uint8_t>(i * 7 + 3);
    return frame;
}

}  // namespace bletest
