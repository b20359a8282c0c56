// Tests of TStrings/TStringList: name lookup, text splitting, sorting and duplicates, update
// batching, stream encodings, and a descendant that stores its lines elsewhere.
#include "framework/core/exception.h"
#include "framework/core/streams.h"
#include "framework/core/strings.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(Strings, NameValueLookupIgnoresCaseAndEmptyValueDeletes)
{
    TStringList list{L"Width=91", L"height=60", L"plain", L"Caption=a=b"};
    EXPECT_EQ(list.Values(L"HEIGHT"), L"60");
    EXPECT_EQ(list.Values(L"caption"), L"a=b");  // only the first '=' separates
    EXPECT_EQ(list.Names(2), L"");
    EXPECT_EQ(list.IndexOfName(L"plain"), -1);
    list.SetValues(L"WIDTH", L"100");
    EXPECT_EQ(list.Get(0), L"WIDTH=100");
    list.SetValues(L"Depth", L"3");
    EXPECT_EQ(list.Get(4), L"Depth=3");
    list.SetValues(L"height", L"");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOfName(L"height"), -1);
}

TEST(Strings, TextSplitsAtEveryLineBreakAndEndsEachLine)
{
    TStringList list;
    list.SetText(L"one\r\ntwo\nthree\rfour\r\n");
    EXPECT_EQ(list.ToVector(), (std::vector<std::wstring>{L"one", L"two", L"three", L"four"}));
    EXPECT_EQ(list.Text(), L"one\r\ntwo\r\nthree\r\nfour\r\n");
    list.SetText(L"a\r\n\r\nb");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(1), L"");
}

TEST(Strings, IndexErrorsNameTheIndex)
{
    TStringList list{L"a"};
    try {
        (void)list.Get(5);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"List index out of bounds (5)");
    }
    EXPECT_THROW(list.Delete(-1), Exception);
    EXPECT_NO_THROW(list.Insert(1, L"b"));  // inserting at Count appends
}

TEST(StringList, SortedListsInsertInOrderAndHandleDuplicates)
{
    TStringList list{L"pear", L"Apple", L"fig"};
    list.SetSorted(true);
    EXPECT_EQ(list.ToVector(), (std::vector<std::wstring>{L"Apple", L"fig", L"pear"}));
    EXPECT_EQ(list.Add(L"banana"), 1);
    EXPECT_EQ(list.Add(L"APPLE"), 0);  // dupIgnore, case-insensitive: the existing index
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf(L"PEAR"), 3);
    EXPECT_THROW(list.Insert(0, L"x"), Exception);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(L"fig"), Exception);
    list.SetCaseSensitive(true);
    list.SetDuplicates(dupAccept);
    list.Add(L"FIG");
    EXPECT_EQ(list.IndexOf(L"fig") >= 0 && list.IndexOf(L"FIG") >= 0, true);
    EXPECT_NE(list.IndexOf(L"fig"), list.IndexOf(L"FIG"));
}

TEST(StringList, ChangeEventsFireOncePerBatch)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject*) { ++changing; };
    list.OnChange = [&](TObject*) { ++changed; };
    list.Add(L"a");
    EXPECT_EQ(changed, 1);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add(L"b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changed, 1);  // still inside the outer batch
    list.EndUpdate();
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);
    list.AddStrings(TStringList{L"x", L"y", L"z"});
    EXPECT_EQ(changed, 3);
}

// A descendant keeping its lines in a plain vector, counting its update batches, like a control
// that keeps its lines in a window.
class VectorStrings : public TStrings {
public:
    std::vector<std::wstring> lines;
    std::vector<bool> updateStates;
    [[nodiscard]] int Count() const override { return static_cast<int>(lines.size()); }
    [[nodiscard]] std::wstring Get(int i) const override { return lines.at(static_cast<size_t>(i)); }
    void Insert(int i, const std::wstring& s) override { lines.insert(lines.begin() + i, s); }
    void Delete(int i) override { lines.erase(lines.begin() + i); }
    void Clear() override { lines.clear(); }

protected:
    void SetUpdateState(bool updating) override { updateStates.push_back(updating); }
};

TEST(Strings, DescendantGetsDefaultOperationsAndOneUpdateStatePerBatch)
{
    VectorStrings strings;
    strings.Assign(TStringList{L"k=v", L"two"});
    EXPECT_EQ(strings.Values(L"K"), L"v");
    strings.Put(1, L"2");
    strings.Move(1, 0);
    EXPECT_EQ(strings.lines, (std::vector<std::wstring>{L"2", L"k=v"}));
    EXPECT_EQ(strings.updateStates, (std::vector<bool>{true, false, true, false}));  // Assign, Move
}

TEST(Strings, StreamsDecodeUtf16Utf8AndSaveUtf8)
{
    TStringList list;
    TMemoryStream utf16;
    utf16.WriteBuffer(
        "\xFF\xFE"
        "a\0\x2d\x4e\n\0b\0",
        10);
    utf16.SetPosition(0);
    list.LoadFromStream(utf16);
    EXPECT_EQ(list.ToVector(), (std::vector<std::wstring>{L"a\u4e2d", L"b"}));
    TMemoryStream saved;
    list.SaveToStream(saved);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(saved.Memory()), saved.Size()), "a\xE4\xB8\xAD\r\nb\r\n");
    saved.SetPosition(0);
    TStringList again;
    again.LoadFromStream(saved);
    EXPECT_TRUE(again.Equals(list));
}

}  // namespace
}  // namespace ov
