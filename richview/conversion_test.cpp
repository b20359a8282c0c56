// Conversions: the RTF signature test, progress, rewinding, and the choice of a conversion for a
// stream or a file name.
#include "richview/conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/file_stream.h"
#include "richview/conversion_list.h"
#include "richview/test_files.h"

namespace ov {
namespace {

TMemoryStream StreamOf(const std::string& text)
{
    return TMemoryStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(RTFConversion, RecognisesTheSignatureAtTheCurrentPositionInAnyCase)
{
    TOvRTFConversion rtf;
    for (const char* text : {"{\\rtf1 x}", "{\\RTF1}", "{\\RtF", "{\\rTf1\\ansi"}) {
        TMemoryStream stream = StreamOf(text);
        EXPECT_TRUE(rtf.StreamContentCorrect(stream)) << text;
        EXPECT_EQ(stream.Position(), 0);
    }
    TMemoryStream shifted = StreamOf("xyz{\\rtf1}");
    shifted.SetPosition(3);
    EXPECT_TRUE(rtf.StreamContentCorrect(shifted));
    EXPECT_EQ(shifted.Position(), 3);
    shifted.SetPosition(0);
    EXPECT_FALSE(rtf.StreamContentCorrect(shifted));
    EXPECT_EQ(shifted.Position(), 0);
}

TEST(RTFConversion, RefusesShortAndOtherStreams)
{
    TOvRTFConversion rtf;
    for (const char* text : {"", "{\\rt", " {\\rtf", "{\\rtx1", "[\\rtf1"}) {
        TMemoryStream stream = StreamOf(text);
        EXPECT_FALSE(rtf.StreamContentCorrect(stream)) << text;
        EXPECT_EQ(stream.Position(), 0);
    }
    TMemoryStream tail = StreamOf("{\\rtf1}");
    tail.SetPosition(3);  // "tf1}" left: fewer than five bytes
    EXPECT_FALSE(rtf.StreamContentCorrect(tail));
    EXPECT_EQ(tail.Position(), 3);
}

TEST(StreamConversion, ReportsEachChangedPercentOnce)
{
    TOvTextConversion text;
    std::vector<int> reported;
    text.OnProgress = [&](TOvConversion* sender) { reported.push_back(sender->Percent()); };
    TMemoryStream stream = StreamOf(std::string(1000, 'x'));
    ASSERT_TRUE(text.OpenStream(stream, false));
    char buffer[300];
    while (text.Read(buffer, sizeof(buffer)) > 0) {
    }
    EXPECT_EQ(reported, (std::vector<int>{30, 60, 90, 100}));
    text.Read(buffer, sizeof(buffer));  // nothing more: no report
    EXPECT_EQ(reported.size(), 4u);

    // Reused for a second stream, it starts again from nothing.
    reported.clear();
    TMemoryStream small = StreamOf("abc");
    ASSERT_TRUE(text.OpenStream(small, false));
    text.Read(buffer, sizeof(buffer));
    EXPECT_EQ(reported, std::vector<int>{100});
    text.Close();
}

TEST(StreamConversion, PercentIsRoundedAndRelativeToTheWholeStream)
{
    TOvTextConversion text;
    TMemoryStream stream = StreamOf(std::string(1000, 'x'));
    stream.SetPosition(500);
    ASSERT_TRUE(text.OpenStream(stream, false));
    EXPECT_EQ(text.StartPosition(), 500);
    EXPECT_EQ(text.StreamSize(), 1000);
    EXPECT_EQ(stream.Position(), 500);
    char buffer[600];
    EXPECT_EQ(text.Read(buffer, 5), 5);
    EXPECT_EQ(text.Percent(), 1);  // 0.5 rounds up
    EXPECT_EQ(text.Read(buffer, 600), 495);
    EXPECT_EQ(text.Percent(), 50);
    text.SetPercent(140);
    EXPECT_EQ(text.Percent(), 100);
    text.SetPercent(-3);
    EXPECT_EQ(text.Percent(), 0);
}

TEST(StreamConversion, RewindsToWhereItStartedForBothKinds)
{
    TOvRTFConversion rtf;
    TMemoryStream stream = StreamOf("ab{\\rtf1 hello}");
    stream.SetPosition(2);
    ASSERT_TRUE(rtf.OpenStream(stream, false));
    char buffer[8];
    rtf.Read(buffer, 8);
    ASSERT_TRUE(rtf.Rewind());
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(rtf.BytesConverted(), 0);
    rtf.Close();
    EXPECT_EQ(rtf.Stream(), nullptr);

    TOvConversion base;
    EXPECT_FALSE(base.Rewind());
    EXPECT_EQ(base.Read(buffer, 8), -1);
    EXPECT_FALSE(base.OpenStream(stream, false));
}

TEST(ConversionList, PicksRTFByTheStreamsFirstBytes)
{
    TConversionFormatList& list = ConversionFormatList();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0).TextKind(), 3);
    EXPECT_EQ(list.Items(1).TextKind(), 2);
    EXPECT_EQ(&list.DefaultConversion(), &list.Items(0));

    HWND parent = reinterpret_cast<HWND>(0x1234);
    TMemoryStream rtf = StreamOf("{\\Rtf1}");
    TOvConversion& chosen = list.ConversionForStream(parent, rtf, false);
    EXPECT_EQ(chosen.TextKind(), 3);
    EXPECT_EQ(chosen.ParentWindow(), parent);
    TMemoryStream text = StreamOf("{\\r");
    EXPECT_EQ(list.ConversionForStream(parent, text, false).TextKind(), 2);
    EXPECT_EQ(list.RTFConversion().ParentWindow(), nullptr);  // closed when passed over
    EXPECT_EQ(list.ConversionForStream(parent, text, true).TextKind(), 3);
    list.RTFConversion().Close();
    list.TextConversion().Close();
}

TEST(ConversionList, PicksByExtensionAndContentForFiles)
{
    TConversionFormatList& list = ConversionFormatList();
    testing::TempFile rtfFile(L".RTF", "{\\rtf1 saved}");
    testing::TempFile fakeRtf(L".rtf", "plain words");
    testing::TempFile textFile(L".txt", "{\\rtf1 looks like rtf}");

    TOvConversion* chosen = list.ConversionForFile(nullptr, rtfFile.path(), false);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->TextKind(), 3);
    EXPECT_EQ(list.ConversionForFile(nullptr, fakeRtf.path(), false), nullptr);
    EXPECT_EQ(list.ConversionForFile(nullptr, fakeRtf.path(), true)->TextKind(), 3);
    EXPECT_EQ(list.ConversionForFile(nullptr, textFile.path(), false)->TextKind(), 2);
    EXPECT_EQ(list.ConversionForFile(nullptr, L"C:\\no\\such.file", true), nullptr);
    EXPECT_EQ(list.ConversionForFile(nullptr, L"C:\\missing.rtf", false), nullptr);
    EXPECT_EQ(list.ConversionForFile(nullptr, L"C:\\NEW.RTF", true)->TextKind(), 3);
}

TEST(ConversionList, ExtensionIsLowerCasedWithoutItsDot)
{
    EXPECT_EQ(LowerCaseExtension(L"C:\\Docs\\Chapter.RTF"), L"rtf");
    EXPECT_EQ(LowerCaseExtension(L"notes.Txt"), L"txt");
    EXPECT_EQ(LowerCaseExtension(L"C:\\dir.d\\README"), L"");
    EXPECT_EQ(LowerCaseExtension(L"archive.tar.gz"), L"gz");
    EXPECT_EQ(LowerCaseExtension(L"trailing."), L"");
}

TEST(StreamConversion, FileConversionOwnsItsFile)
{
    testing::TempFile file(L".txt", "");
    TOvTextConversion text;
    ASSERT_TRUE(text.OpenFile(file.path(), true));
    EXPECT_EQ(text.Write("hello", 5), 5);
    text.Close();  // closes the file: it can be opened exclusively again
    TFileStream reopened(file.path(), fmOpenRead | fmShareExclusive);
    EXPECT_EQ(reopened.Size(), 5);
}

}  // namespace
}  // namespace ov
