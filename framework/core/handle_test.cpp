// Tests of the handle owners: ownership moves, reset and release close exactly once.
#include "framework/core/handle.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(UniqueHandle, MoveTransfersOwnershipAndResetCloses)
{
    int before = testing::LiveGdiObjects();
    {
        UniqueBrush a(::CreateSolidBrush(RGB(1, 2, 3)));
        HBRUSH raw = a.get();
        UniqueBrush b(std::move(a));
        EXPECT_FALSE(a);  // NOLINT(bugprone-use-after-move): the moved-from owner is what is tested
        EXPECT_EQ(b.get(), raw);
        b = UniqueBrush(::CreateSolidBrush(RGB(4, 5, 6)));  // the first brush is deleted here
        EXPECT_EQ(::GetObjectType(raw), 0u);
        UniqueBrush c(::CreateSolidBrush(RGB(7, 8, 9)));
        HBRUSH kept = c.release();
        EXPECT_FALSE(c);
        ::DeleteObject(kept);
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

TEST(UniqueHandle, WindowDCIsReleasedToItsWindowAndSelectionIsUndone)
{
    UniqueBitmap bitmap(::CreateBitmap(4, 4, 1, 1, nullptr));
    {
        UniqueDC memory(::CreateCompatibleDC(nullptr));
        ScopedSelect select(memory.get(), bitmap.get());
        EXPECT_EQ(::GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
    }
    EXPECT_TRUE(::DeleteObject(bitmap.release()));  // fails while still selected somewhere
    UniqueWindowDC screen = GetWindowDCOwned(nullptr);
    EXPECT_TRUE(screen);
    EXPECT_EQ(screen.traits().window, nullptr);
}

}  // namespace
}  // namespace ov
