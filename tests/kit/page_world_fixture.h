// What the page tests of every generation share: the program's main window with a real model
// page on the simulated device world, the device timings scaled down, a scratch data folder per
// test program, waits that pump the window, and the reports the mice got read back from the
// world. A generation's fixture plugs its devices, makes its page and says what its events are.
#pragma once

#include "models/pages/apply_page.h"
#include "tests/kit/file_kit.h"
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/scoped_timing.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pagetest {

// A clean simulated world, fresh settings, English, and the device timings scaled down for tests
// (no link times out; pauses short, the receiver's attempt pause long enough for an answer).
void PrepareWorld();

class PageWorldTest : public ::testing::Test {
protected:
    // strFolder: the scratch data folder's name (one per test program: the apply and event tests
    // run side by side, and process ids do not tell them apart under Wine).
    explicit PageWorldTest(const std::wstring& strFolder);
    ~PageWorldTest() override;

    // Requests one apply of `page` through the main window and waits for it to end (also for a
    // run that only saved).
    static void ApplyOn(CApplyPage& page, HWND hMainWnd);
    static bool WaitForApplies(const CApplyPage& page, unsigned uCount, unsigned uMs = 20000);
    void PumpUntil(const std::function<bool()>& pred, unsigned uMs = 5000);
    // Pumps the window's messages until pred holds; false when uMs passed first.
    static bool Poll(const std::function<bool()>& pred, unsigned uMs);

    // Reports written to an interface since the last ClearWrites, in order.
    static std::vector<kit::Bytes> WritesTo(int iInterface);
    static void ClearWrites();
    // Report ids in order, one per write ("0C 04 05 06 08 09 09 09").
    static std::string Ids(const std::vector<kit::Bytes>& writes);
    // The same with runs of identical reports taken as one (the receiver's repeats).
    static std::vector<kit::Bytes> Distinct(const std::vector<kit::Bytes>& writes);

    ScopedTiming m_timing;
    testkit::ScratchFolder m_data;
};

// The test program's file name without its folder ("gen1_page_test.exe").
std::wstring ProgramName();

// A Bluetooth LE interface name as Windows broadcasts it for model iModel's mouse, with the
// vendor text as given ("VID&02045e" is how Windows writes it).
std::string BleBroadcastName(int iModel, const std::string& strVendor = "VID&02045e");

// Clicks a control of a page's scrolling settings column ("ms_N_ver_setting"), scrolled into view
// first as a person would; false when it could not be clicked.
bool ClickInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix);

// As a person does it on a page's settings column: a slider moved to a value with the keys
// after a click on it, text typed over an edit's own and ended with Enter or a click elsewhere,
// a light mode chosen with the arrow keys in the closed, focused combo. False (with the failing
// step reported) when a control could not be found or reached.
::testing::AssertionResult SlideInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix, int iValue);
::testing::AssertionResult TypeInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix,
                                          const std::wstring& strText, bool bEnter);
::testing::AssertionResult ChooseLightModeByKeys(HWND hWnd, int iModel, int iMode);

// A frame's checksum as the mouse checks it: the 16-bit sum of bytes 3 up to uAt - 1, high byte
// first at uAt.
bool ChecksumHolds(const kit::Bytes& frame, size_t uAt);

// uCount bytes of a report from uFrom on as hex text ("(short)" past its end).
std::string Slice(const kit::Bytes& bytes, size_t uFrom, size_t uCount);
// The three bytes (type, code 1, code 2) of button n (1-based) in a button frame 0x08.
std::string KeyBytes(const kit::Bytes& frame, int n);

// In a macro picker, as a person may go about it: OK before any macro is chosen, then row iRow of
// its list chosen and OK. False when the first OK already ended the picker, or a step could not
// be taken (the picker is then closed as by its close command).
bool PickMacroAfterAnEarlyOk(HWND hPicker, int iRow);

}  // namespace pagetest
