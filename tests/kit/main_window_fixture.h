// The real main window, created in-process on the program's own skins (hidden unless asked),
// with a spy page in place of every model's page (or the page a test makes for it), Hook.dll and
// the simulated receivers. The window's start-up runs to its end (the devices started); then, as
// most tests want them, every page is started as if its mouse had been found, unless the test
// looks at which pages the program starts by itself (PageStart::AsFound).
#pragma once

#include "core/app/main_wnd.h"
#include "tests/kit/spy_page.h"
#include "tests/kit/ui_driver.h"
#include "core/util/folders.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The page a test puts in place of model n; nullptr leaves the spy page there.
using TestPageMaker = std::function<std::unique_ptr<CPageBase>(int n)>;

enum class PageStart { All, AsFound };

class MainWindow {
public:
    explicit MainWindow(bool bVisible = false, TestPageMaker makePage = {}, PageStart eStart = PageStart::All);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    CMainWnd& operator*() { return *m_pWnd; }
    CMainWnd* operator->() { return m_pWnd.get(); }
    HWND hwnd() const { return m_pWnd->GetHWND(); }
    // The spy page the window was built with for model n (1..24).
    CSpyPage& Page(int n) { return *m_spies[static_cast<size_t>(n - 1)]; }
    // The page of model n, whichever it is.
    CPageBase& AnyPage(int n) { return *m_pWnd->Page(n); }
    // Removes the messages of one kind waiting for the window; returns how many there were.
    int TakePosted(UINT uMsg);

    // Resets the pages' call logs.
    void ClearCalls();

private:
    std::array<CSpyPage*, kModelCount> m_spies{};
    std::unique_ptr<CMainWnd> m_pWnd;
};

// The settings file the window reads (tests/bin/Data/CONFIG.ini), removed.
std::wstring FreshSettingsFile();
