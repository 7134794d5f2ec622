// Running work on the UI thread from any thread. Controls, windows and timers belong to the UI
// thread; another thread posts a function, and the UI thread's message loop (the main loop or a
// modal loop) runs it. Always posted, never sent: a thread the UI thread waits for could
// otherwise deadlock with it.
#pragma once

#include <functional>

namespace DuiLib {

class CUiThread {
public:
    // Called on the UI thread (the first paint manager does it): makes the hidden window that
    // receives the work. True when it exists.
    static bool Attach();
    // Destroys the hidden window; work still queued is dropped without running.
    static void Detach();
    // True on the thread that attached.
    static bool IsUiThread();
    // True when a UI thread exists and this is another thread.
    static bool IsOtherThread();
    // Queues fn to run on the UI thread; false (fn dropped) when there is no UI thread yet.
    static bool Post(std::function<void()> fn);
};

}  // namespace DuiLib
