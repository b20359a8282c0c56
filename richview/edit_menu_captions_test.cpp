// Edit menu captions: taken from a menu by command, defaults for what it lacks.
#include "richview/edit_menu_captions.h"

#include <gtest/gtest.h>

#include "framework/core/handle.h"

namespace ov {
namespace {

TEST(EditMenuCaptions, ComeFromTheMenuByCommandWithDefaultsForTheRest)
{
    UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, WM_UNDO, L"\u64a4\u6d88(&U)");
    ::AppendMenuW(menu.get(), MF_STRING, WM_COPY, L"\u590d\u5236(&C)");
    ::AppendMenuW(menu.get(), MF_STRING, EM_SETSEL, L"\u5168\u9009(&A)");
    EditMenuCaptions captions = CaptionsFromEditMenu(menu.get());
    EXPECT_EQ(captions.undo, L"\u64a4\u6d88(&U)");
    EXPECT_EQ(captions.copy, L"\u590d\u5236(&C)");
    EXPECT_EQ(captions.selectAll, L"\u5168\u9009(&A)");
    EXPECT_EQ(captions.cut, L"Cu&t");
    EXPECT_EQ(captions.paste, L"&Paste");
    EXPECT_EQ(captions.clear, L"&Delete");
}

TEST(EditMenuCaptions, UndoFiledUnderEmUndoIsFound)
{
    UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, EM_UNDO, L"R\u00fcckg\u00e4ngig");
    EXPECT_EQ(CaptionsFromEditMenu(menu.get()).undo, L"R\u00fcckg\u00e4ngig");
}

TEST(EditMenuCaptions, SystemMenuGivesACaptionForEveryItem)
{
    EditMenuCaptions captions = SystemEditMenuCaptions();
    for (const std::wstring* caption :
         {&captions.undo, &captions.cut, &captions.copy, &captions.paste, &captions.clear, &captions.selectAll})
        EXPECT_FALSE(caption->empty());
    EXPECT_EQ(CaptionsFromEditMenu(nullptr).cut, L"Cu&t");
}

}  // namespace
}  // namespace ov
