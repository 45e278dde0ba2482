// Each of the library's message variables holds the identifier that a host
// gets by registering the same string.
#include <gtest/gtest.h>

#include "RegisteredMessages.h"

namespace {

TEST(RegisteredMessagesTest, HostRegisteringTheSameNameGetsTheSameIdentifier)
{
    const struct {
        const char* pszName;
        UINT nLibraryValue;
    } messages[] = {
        {"EDITMSG_HIDE_DATALIST", EDITMSG_HIDE_DATALIST},
        {"EDITMSG_INPUT_ENTER", EDITMSG_INPUT_ENTER},
        {"EDITMSG_SEARCH_SELECTED", EDITMSG_SEARCH_SELECTED},
        {"g_uMsgHideList", g_uMsgHideList},
        {"g_uMsgEnter", g_uMsgEnter},
        {"g_uMsgSearchInputSelected", g_uMsgSearchInputSelected},
        {"DRAGLISTBOX_MSG_DRAG_END", DRAGLISTBOX_MSG_DRAG_END},
        {"WM_XHYPERLINK_CLICKED", WM_XHYPERLINK_CLICKED},
    };
    for (const auto& message : messages) {
        EXPECT_GE(message.nLibraryValue, 0xC000u) << message.pszName;
        EXPECT_EQ(::RegisterWindowMessageA(message.pszName), message.nLibraryValue) << message.pszName;
    }
}

} // namespace
