// The page's worker and the acknowledgement window: applies are never lost at start, a stop ends
// pauses and acknowledgement waits at once, and an acknowledgement belongs to the window that was
// open when it came, over the real receiver path too.
#include "tests/kit/scoped_timing.h"
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// How a send loop waits for the mouse's answer to the frame of `epoch`: it looks, then pauses
// (link_send.cpp). 1 accepted, 0 not within about uMs, -1 the page stopped.
int AwaitAck(const CSpyPage& page, CAckWindow::Epoch epoch, unsigned uMs) {
    for (unsigned uWaited = 0;; uWaited += 10) {
        if (page.AckArrived(epoch)) return 1;
        if (uWaited >= uMs) return 0;
        if (!page.Pause(10)) return -1;
    }
}

// An event the worker sets and the test waits for (with a deadline).
class Signal {
public:
    Signal() : m_h(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Signal() { CloseHandle(m_h); }
    void Set() { SetEvent(m_h); }
    bool Wait(DWORD ms = 5000) { return WaitForSingleObject(m_h, ms) == WAIT_OBJECT_0; }

private:
    HANDLE m_h;
};

constexpr int kAck10 = 0x5036;  // MS_10's acknowledgement event word

TEST(PageWorker, AnApplyPostedRightAfterStartIsNeverLost) {
    for (int i = 0; i < 20; ++i) {
        CSpyPage page(10);
        std::atomic<int> iApplies{0};
        Signal done;
        page.onApply = [&] {
            if (++iApplies == 2) done.Set();
        };
        ASSERT_TRUE(page.StartWorker());
        const UINT uRunApply = PageMsgBase(10) + WM_PAGE_RUNAPPLY_OFFSET;
        ASSERT_TRUE(PostThreadMessageW(page.WorkerThreadId(), uRunApply, 0, 0)) << "the queue exists at once";
        PostThreadMessageW(page.WorkerThreadId(), uRunApply, 0, 0);
        ASSERT_TRUE(done.Wait()) << "round " << i;
        EXPECT_EQ(iApplies, 2) << "two requests, two applies";
    }
}

TEST(PageWorker, ShutDownEndsAPauseAndAnAcknowledgementWaitAtOnce) {
    struct Case { const char* what; bool bAckWait; };
    for (const Case& c : {Case{"pause", false}, Case{"acknowledgement wait", true}}) {
        auto page = std::make_unique<CSpyPage>(10);
        Signal started;
        std::atomic<int> iResult{-1};
        page->onApply = [&, p = page.get()] {
            started.Set();
            if (c.bAckWait)
                iResult = AwaitAck(*p, p->OpenAckWindow(), 60000) == -1 ? 1 : 0;
            else
                iResult = p->Pause(60000) ? 0 : 1;
        };
        ASSERT_TRUE(page->StartWorker());
        PostThreadMessageW(page->WorkerThreadId(), PageMsgBase(10), 0, 0);
        ASSERT_TRUE(started.Wait()) << c.what;
        const ULONGLONG ullStart = GetTickCount64();
        page->Shutdown();
        const ULONGLONG ullTook = GetTickCount64() - ullStart;
        EXPECT_EQ(iResult, 1) << c.what << " reports the stop";
        EXPECT_LT(ullTook, 5000u) << c.what << " did not run out its minute";
        EXPECT_EQ(page->WorkerThreadId(), 0u);
        EXPECT_FALSE(page->Pause(1000)) << "a stopped page does not pause";
    }
}

TEST(PageWorker, AnAcknowledgementCountsForTheWindowOpenWhenItCame) {
    CSpyPage page(10);
    const CAckWindow::Epoch first = page.OpenAckWindow();
    EXPECT_FALSE(page.AckArrived(first));
    page.RecordAcknowledgement(0x5037, 0);  // MS_11's id byte: not this page's
    page.RecordAcknowledgement(0x4036, 0);  // a battery event, not an acknowledgement
    EXPECT_FALSE(page.AckArrived(first));
    page.RecordAcknowledgement(kAck10, 0x0100);  // value byte 0: accepted
    EXPECT_TRUE(page.AckArrived(first));

    // The next frame's window starts unacknowledged; the late answer to the first is not its own.
    const CAckWindow::Epoch second = page.OpenAckWindow();
    EXPECT_FALSE(page.AckArrived(second));
    EXPECT_EQ(AwaitAck(page, second, 50), 0);

    // A refusal withdraws an acceptance of the same window.
    page.RecordAcknowledgement(kAck10, 0);
    EXPECT_TRUE(page.AckArrived(second));
    page.RecordAcknowledgement(kAck10, 1);
    EXPECT_FALSE(page.AckArrived(second));

    // An answer from another thread reaches a waiting loop.
    std::thread mouse([&] {
        Sleep(20);
        page.RecordAcknowledgement(kAck10, 0);
    });
    EXPECT_EQ(AwaitAck(page, second, 5000), 1);
    mouse.join();
}

TEST(PageWorker, AReceiversAcknowledgementReachesTheWaitingWorkerDirectly) {
    kit::ResetWorld();
    FreshSettingsFile();
    ScopedTiming timing;
    const kit::Receiver receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    kit::QueueEvent(receiver.eventId, 0x36, 0x10, 1);  // identifies MS_10 on the receiver
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.WirelessDevice() != nullptr; }, 5000));
    kit::AcknowledgeWrites(receiver.commandId, receiver.eventId, 0x36);

    Signal sent;
    std::atomic<int> iWaits{-1};
    page.onApply = [&] {
        const LinkSnapshot links = page.Links();
        const CAckWindow::Epoch epoch = page.OpenAckWindow();
        const unsigned char frame[] = {0x0C, 0x0A, 0x01};
        hid_send_feature_report(links.hWirelessDevice.get(), frame, sizeof frame);
        iWaits = AwaitAck(page, epoch, 5000);
        sent.Set();
    };
    ASSERT_TRUE(page.StartWorker());
    SendMessageW(wnd.hwnd(), PageMsgBase(10) + WM_PAGE_APPLY_OFFSET, 0, 0);
    // The UI thread does not pump meanwhile: the answer goes from the polling thread to the page.
    ASSERT_TRUE(sent.Wait());
    EXPECT_EQ(iWaits, 1);
    kit::ResetWorld();
}

}  // namespace
