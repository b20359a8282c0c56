// The main window as the user first sees it: caption and client size.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <string>

namespace ov {
namespace {

TEST(MainWindow, HasTheApplicationTitleAndDesignedClientSize) {
    HWND hwnd = CreateMainWindow(GetModuleHandleW(nullptr));
    ASSERT_NE(hwnd, nullptr);
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    EXPECT_EQ(std::wstring(text), std::wstring(kAppTitle));

    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 782);
    EXPECT_EQ(client.bottom, 540);
    DestroyWindow(hwnd);
}

}  // namespace
}  // namespace ov
