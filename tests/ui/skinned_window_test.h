// A test fixture with one skinned window, shown and active, with no notification recorded yet.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/ui/ui_test_support.h"

namespace uitest {

class SkinnedWindowTest : public ::testing::Test {
protected:
    SkinnedWindowTest(LPCWSTR pstrSkin, int cx, int cy) : m_wnd(pstrSkin), m_cx(cx), m_cy(cy) {}

    void SetUp() override {
        ASSERT_NE(m_wnd.CreateAt(40, 40, m_cx, m_cy), nullptr);
        ::SetForegroundWindow(m_wnd);
        ::SetFocus(m_wnd);
        m_wnd.PM().UpdateLayout();
        uikit::PumpUntilIdle();
        m_wnd.ClearRecords();
    }

    // How many notifications of that type the named control raised, whatever their wParam.
    long CountOf(const std::wstring& sType, const std::wstring& sSender) const {
        return static_cast<long>(std::count_if(m_wnd.m_records.begin(), m_wnd.m_records.end(),
                                               [&](const NotifyRecord& r) { return r.sType == sType && r.sSender == sSender; }));
    }
    LPARAM LastLParam() const { return m_wnd.m_records.empty() ? 0 : m_wnd.m_records.back().lParam; }

    CTestWindow m_wnd;

private:
    int m_cx;
    int m_cy;
};

}  // namespace uitest
