// Lines over a real control: counting, reading (with the 4,096-character limit), replacing,
// inserting (also behind the last line), deleting, clearing, whole-text changes without change
// events, batches, and saving.
#include "richview/rich_edit_strings.h"

#include <gtest/gtest.h>

#include "framework/core/exception.h"
#include "richview/test_files.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using Lines = testing::ViewTest;

TEST_F(Lines, CountLeavesOutTheEmptyLineBehindAFinalBreak)
{
    TOvRichEditStrings& lines = *view->Lines();
    EXPECT_EQ(lines.Count(), 0);
    lines.SetText(L"a\rb");
    EXPECT_EQ(lines.Count(), 2);
    lines.SetText(L"a\rb\r");
    EXPECT_EQ(lines.Count(), 2);
    lines.SetText(L"a\r\rb");
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Get(1), L"");
}

TEST_F(Lines, GetReturnsAtMost4096CharactersWithoutTheBreak)
{
    view->SetWordWrap(false);  // one line stays one line however long
    std::wstring longLine(5000, L'\u4e2d');
    view->Lines()->SetText(longLine + L"\rshort");
    EXPECT_EQ(view->Lines()->Get(0), longLine.substr(0, 4096));
    EXPECT_EQ(view->Lines()->Get(1), L"short");
    EXPECT_EQ(view->Lines()->Get(7), L"");
}

TEST_F(Lines, PutReplacesOneLineOnly)
{
    TOvRichEditStrings& lines = *view->Lines();
    lines.SetText(L"one\rtwo\rthree");
    lines.Put(1, L"\u4e8c");
    EXPECT_EQ(Text(), L"one\r\u4e8c\rthree");
    lines.Put(9, L"nothing");
    EXPECT_EQ(Text(), L"one\r\u4e8c\rthree");
}

TEST_F(Lines, InsertGoesBeforeTheLine)
{
    TOvRichEditStrings& lines = *view->Lines();
    lines.SetText(L"one\rthree");
    lines.Insert(1, L"two");
    EXPECT_EQ(Text(), L"one\rtwo\rthree");
    lines.Insert(0, L"zero");
    EXPECT_EQ(lines.Get(0), L"zero");
    lines.Insert(-1, L"never");
    EXPECT_EQ(lines.Count(), 4);
}

TEST_F(Lines, InsertBehindTheLastLineAddsANewLine)
{
    TOvRichEditStrings& lines = *view->Lines();
    lines.SetText(L"one\rtwo");
    lines.Insert(2, L"three");
    EXPECT_EQ(Text(), L"one\rtwo\rthree");
    lines.Add(L"four");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Get(3), L"four");
    lines.Insert(9, L"far away");  // neither the line nor the one before exists
    EXPECT_EQ(lines.Count(), 4);

    lines.Clear();
    lines.Add(L"first");
    lines.Add(L"second");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Get(1), L"second");
}

TEST_F(Lines, DeleteRemovesTheLineWithItsBreak)
{
    TOvRichEditStrings& lines = *view->Lines();
    lines.SetText(L"one\rtwo\rthree");
    lines.Delete(1);
    EXPECT_EQ(Text(), L"one\rthree");
    lines.Delete(1);  // the last line: to the end of the text
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.Get(0), L"one");
    lines.Delete(5);
    EXPECT_EQ(lines.Count(), 1);
}

TEST_F(Lines, ClearEmptiesTheViewAndResetsModified)
{
    view->Lines()->SetText(L"text");
    view->SetModified(true);
    view->Lines()->Clear();
    EXPECT_EQ(Text(), L"");
    EXPECT_FALSE(view->Modified());
}

TEST_F(Lines, SettingTheWholeTextFiresNoChange)
{
    int changes = 0;
    view->OnChange = [&](TObject*) { ++changes; };
    view->Lines()->SetText(L"new text");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Text(), L"new text");
    view->SetSelText(L"!");
    EXPECT_GT(changes, 0);  // other changes still notify
}

TEST_F(Lines, AddStringsSuppressesSelectionChanges)
{
    int selectionChanges = 0;
    view->OnSelectionChange = [&](TObject*) { ++selectionChanges; };
    TStringList more{L"a", L"b", L"c"};
    view->Lines()->AddStrings(more);
    EXPECT_EQ(selectionChanges, 0);
    EXPECT_EQ(view->Lines()->Count(), 3);
    view->SetSelection(0, 1, false);
    EXPECT_GT(selectionChanges, 0);
}

TEST_F(Lines, UpdateBatchEndsWithATextChange)
{
    form->Show();
    int textChanges = 0;
    TWndMethod original = view->WindowProc;
    view->WindowProc = [&](TMessage& message) {
        if (message.Msg == CM_TEXTCHANGED)
            ++textChanges;
        original(message);
    };
    view->Lines()->BeginUpdate();
    view->Lines()->Add(L"one");
    view->Lines()->Add(L"two");
    EXPECT_EQ(textChanges, 0);
    view->Lines()->EndUpdate();
    EXPECT_EQ(textChanges, 1);
    view->WindowProc = original;
    form->Hide();
}

TEST_F(Lines, SaveAndLoadThroughFilesAndStreams)
{
    view->Lines()->SetText(L"\u4f60\u597d\rworld");
    testing::TempFile file(L".rtf", "");
    view->Lines()->SaveToFile(file.path());
    view->Lines()->Clear();
    view->Lines()->LoadFromFile(file.path());
    EXPECT_EQ(Text(), L"\u4f60\u597d\rworld");

    TMemoryStream stream;
    view->SetStreamFormat(sfPlainText);
    view->SetStreamMode({smUnicode});
    view->Lines()->SaveToStream(stream);
    std::wstring saved(reinterpret_cast<const wchar_t*>(stream.Memory()), static_cast<size_t>(stream.Size() / 2));
    EXPECT_EQ(saved, L"\u4f60\u597d\r\nworld");
}

TEST_F(Lines, SavingToAnUnwritablePlaceRaises)
{
    EXPECT_THROW(view->Lines()->SaveToFile(L"C:\\no\\such\\folder\\out.rtf"), Exception);
}

}  // namespace
}  // namespace ov
