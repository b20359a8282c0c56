// The rich edit level rule, the library loaded at start-up and the registered clipboard formats.
#include "richview/richedit_library.h"

#include <gtest/gtest.h>

#include "richview/clipboard_formats.h"

namespace ov {
namespace {

DWORD Version(WORD major, WORD minor) { return MAKELONG(minor, major); }

TEST(RichEditLevel, FollowsTheFileVersionOfTheLibrary)
{
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 30)), 3);
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 31)), 3);
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 40)), 4);
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 41)), 4);
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 50)), 5);
    EXPECT_EQ(RichEditLevelForVersion(Version(12, 0)), 6);
    EXPECT_EQ(RichEditLevelForVersion(Version(12, 4321)), 6);
}

TEST(RichEditLevel, OddVersionsStayAtTwo)
{
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 0)), 2);
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 9)), 2);
    EXPECT_EQ(RichEditLevelForVersion(Version(6, 30)), 2);
    EXPECT_EQ(RichEditLevelForVersion(0), 2);  // no version information
    // 5.1x would give level 1, whose window class RICHED20.DLL does not register.
    EXPECT_EQ(RichEditLevelForVersion(Version(5, 10)), 2);
}

TEST(RichEditLevel, LoadedLibraryDecidesLevelAndClass)
{
    HMODULE module = RichEditModule();
    ASSERT_NE(module, nullptr);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring name(path);
    bool riched20 = name.size() >= 12 && _wcsicmp(name.c_str() + name.size() - 12, L"riched20.dll") == 0;
    ASSERT_TRUE(riched20) << "loaded another library";
    EXPECT_EQ(RichEditLevel(), RichEditLevelForVersion(ModuleFileVersionMS(module)));
    EXPECT_GE(RichEditLevel(), 2);

    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(::GetClassInfoExW(nullptr, RichEditClassName(RichEditLevel()), &info));
    EXPECT_STREQ(RichEditClassName(1), L"RICHEDIT");
}

TEST(ClipboardFormats, AreRegisteredByName)
{
    const RichEditClipboardFormats& formats = ClipboardFormats();
    struct {
        UINT format;
        const wchar_t* name;
    } expected[] = {{formats.embeddedObject, L"Embedded Object"},
                    {formats.linkSource, L"Link Source"},
                    {formats.richTextFormat, L"Rich Text Format"},
                    {formats.richTextFormatNoObjects, L"Rich Text Format Without Objects"}};
    for (const auto& e : expected) {
        wchar_t name[64] = {};
        ASSERT_GT(::GetClipboardFormatNameW(e.format, name, 64), 0);
        EXPECT_STREQ(name, e.name);
    }
}

}  // namespace
}  // namespace ov
