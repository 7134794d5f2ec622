#include "core/util/instance_token.h"

#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

namespace {

TEST(GetInstanceToken, BothInterfacesOfOneReceiverGiveOneToken) {
    for (const kit::ReceiverKind kind : {kit::ReceiverKind::Wireless, kit::ReceiverKind::Wireless4k}) {
        const std::wstring strCommand = GetInstanceToken(kit::ReceiverPath(kind, "2a5b3c4d", false));
        const std::wstring strEvent = GetInstanceToken(kit::ReceiverPath(kind, "2a5b3c4d", true));
        EXPECT_EQ(strCommand, L"2a5b3c4d");
        EXPECT_EQ(strEvent, strCommand);
        EXPECT_NE(GetInstanceToken(kit::ReceiverPath(kind, "2a5b3c4e", true)), strCommand)
            << "a second receiver of the same kind is told apart";
    }
}

TEST(GetInstanceToken, PluggedReceiversAreTokenedAsTheirInterfacesAreListed) {
    kit::ResetWorld();
    const kit::Receiver first = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver second = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    EXPECT_EQ(GetInstanceToken(first.commandPath), GetInstanceToken(first.eventPath));
    EXPECT_EQ(GetInstanceToken(second.commandPath), GetInstanceToken(second.eventPath));
    EXPECT_NE(GetInstanceToken(first.eventPath), GetInstanceToken(second.eventPath));
    EXPECT_EQ(GetInstanceToken(first.eventPath), std::wstring(first.token.begin(), first.token.end()));
    kit::ResetWorld();
}

struct TokenCase {
    const char* pszPath;
    const wchar_t* pszToken;
};

TEST(GetInstanceToken, TakesTheFifthFieldAsStrtokCountsThem) {
    const TokenCase cases[] = {
        {"\\\\?\\hid#vid_1d57&pid_fa65&mi_01&col01#7&1f2e3d4c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", L"1f2e3d4c"},
        {"a&b&c&d&e", L"e"},
        {"a&b&c&d&e&f", L"e"},
        {"&&a&&b&c&&&d&e", L"e"},  // runs of '&' separate once, a leading '&' starts no field
        {"a&b&c&d", L""},
        {"a&b&c&d&", L""},
        {"a&b&c&d&&&", L""},
        {"", L""},
        {"no separators at all", L""},
    };
    for (const TokenCase& c : cases) EXPECT_EQ(GetInstanceToken(c.pszPath), c.pszToken) << c.pszPath;
}

TEST(GetInstanceToken, KeepsAtMost259Characters) {
    const std::string strLong(400, 'x');
    const std::wstring strToken = GetInstanceToken("a&b&c&d&" + strLong + "&0&0000");
    EXPECT_EQ(strToken, std::wstring(kMaxInstanceTokenLength, L'x'));
}

}  // namespace
