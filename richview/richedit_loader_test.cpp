// Loading into and saving from a real rich edit control through the conversions: format choice,
// line breaks across callback calls, Unicode text, the caret after loading, failures, round trips.
#include "richview/richedit_loader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/core/exception.h"
#include "framework/core/file_stream.h"
#include "richview/rtf_samples.h"
#include "richview/test_files.h"
#include "richview/test_windows.h"

namespace ov {
namespace {

TMemoryStream StreamOf(std::string_view text)
{
    return TMemoryStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// A stream whose reads fail once `failAt` bytes have been delivered.
class FailingStream final : public TMemoryStream {
public:
    FailingStream(std::string_view text, std::int64_t failAt) : TMemoryStream(StreamOf(text).Bytes()), failAt_(failAt)
    {
    }
    std::int64_t Read(void* buffer, std::int64_t count) override
    {
        if (Position() + count > failAt_)
            throw std::runtime_error("device error");
        return TMemoryStream::Read(buffer, count);
    }

private:
    std::int64_t failAt_;
};

class Loading : public ::testing::Test {
protected:
    [[nodiscard]] TRichTransfer Transfer() const
    {
        TRichTransfer transfer;
        transfer.window = edit.handle();
        transfer.level = RichEditLevel();
        return transfer;
    }
    [[nodiscard]] std::wstring Text() const { return WholeText(edit.handle()); }

    TestWindow parent;
    RichEditWindow edit{parent.handle(), WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL};
};

TEST_F(Loading, RtfSignatureLoadsAsRichText)
{
    TMemoryStream stream = StreamOf("{\\rtf1\\ansi {\\b bold} text}");
    LoadFromStream(Transfer(), stream);
    EXPECT_EQ(Text(), L"bold text");
}

TEST_F(Loading, ChineseRtfReadsBackAsUnicode)
{
    std::string rtf = rtf_samples::ChineseText(2);
    TMemoryStream stream = StreamOf(rtf);
    LoadFromStream(Transfer(), stream);
    std::wstring hello = rtf_samples::kChineseHelloText;
    std::wstring expected = hello + L" 0\r" + hello + L" 1";
    EXPECT_EQ(Text().substr(0, expected.size()), expected);
}

TEST_F(Loading, AnythingElseLoadsAsPlainTextWithEveryBreakForm)
{
    TMemoryStream stream = StreamOf("a\rb\nc\r\nd\n\re\r\n\r\nf");
    LoadFromStream(Transfer(), stream);
    EXPECT_EQ(Text(), L"a\rb\rc\rd\re\r\rf");
    TMemoryStream shortStream = StreamOf("{\\rt");
    LoadFromStream(Transfer(), shortStream);
    EXPECT_EQ(Text(), L"{\\rt");
}

TEST_F(Loading, BreakSplitAcrossTwoCallbackCallsIsOneBreak)
{
    // The control asks for 4096 bytes at a time and the callback fills half of that: byte 2047
    // ends the first call and byte 2048 starts the second.
    std::string text(2047, 'a');
    text += "\r\nb";
    TMemoryStream stream = StreamOf(text);
    LoadFromStream(Transfer(), stream);
    EXPECT_EQ(Text(), std::wstring(2047, L'a') + L"\rb");
}

TEST_F(Loading, UnicodeTextUsesTheWideCallback)
{
    TRichTransfer transfer = Transfer();
    transfer.format = sfPlainText;
    transfer.mode = {smUnicode};
    std::wstring text = L"\u4f60\u597d\n\u4e16\u754c\r\n!";
    TMemoryStream stream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size() * 2));
    LoadFromStream(transfer, stream);
    EXPECT_EQ(Text(), L"\u4f60\u597d\r\u4e16\u754c\r!");
}

TEST_F(Loading, LoadedDocumentShowsFromItsStart)
{
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "line " + std::to_string(i) + "\n";
    TMemoryStream first = StreamOf(many);
    LoadFromStream(Transfer(), first);
    ::SendMessageW(edit.handle(), EM_SETSEL, 2000, 2000);
    ::SendMessageW(edit.handle(), EM_SCROLLCARET, 0, 0);
    ASSERT_GT(::SendMessageW(edit.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    TMemoryStream second = StreamOf(many);
    LoadFromStream(Transfer(), second);
    CHARRANGE selection{-1, -1};
    ::SendMessageW(edit.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 0);
    EXPECT_EQ(selection.cpMax, 0);
    EXPECT_EQ(::SendMessageW(edit.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(Loading, SelectionModeInsertsAtTheSelection)
{
    ::SetWindowTextW(edit.handle(), L"ac");
    ::SendMessageW(edit.handle(), EM_SETSEL, 1, 1);
    TRichTransfer transfer = Transfer();
    transfer.mode = {smSelection};
    TMemoryStream stream = StreamOf("b");
    LoadFromStream(transfer, stream);
    EXPECT_EQ(Text(), L"abc");
}

TEST_F(Loading, ProgressReachesTheViewInPercent)
{
    std::vector<int> reported;
    TRichTransfer transfer = Transfer();
    transfer.progress = [&](int percent) { reported.push_back(percent); };
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += std::string(49, 'x') + "\n";
    TMemoryStream stream = StreamOf(text);
    LoadFromStream(transfer, stream);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 100);
    for (size_t i = 1; i < reported.size(); ++i)
        EXPECT_GT(reported[i], reported[i - 1]);
}

TEST_F(Loading, ReadFailureRaisesFailedToLoadStream)
{
    // The first bytes are read to choose the conversion; the failure comes while streaming.
    FailingStream stream("{\\rtf1 some text that will not arrive}", 10);
    try {
        LoadFromStream(Transfer(), stream);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), L"Failed to Load Stream");
    }
    // The conversion was closed all the same and serves the next load.
    TMemoryStream good = StreamOf("{\\rtf1 fine}");
    LoadFromStream(Transfer(), good);
    EXPECT_EQ(Text(), L"fine");
}

TEST_F(Loading, SavedRtfLoadsBackWithTheSameText)
{
    TMemoryStream source = StreamOf(rtf_samples::ChineseText(3));
    LoadFromStream(Transfer(), source);
    std::wstring before = Text();
    TMemoryStream saved;
    SaveToStream(Transfer(), saved);
    std::string head(reinterpret_cast<const char*>(saved.Memory()), 5);
    EXPECT_EQ(head, "{\\rtf");
    ::SetWindowTextW(edit.handle(), L"");
    saved.SetPosition(0);
    LoadFromStream(Transfer(), saved);
    EXPECT_EQ(Text(), before);
}

TEST_F(Loading, FilesPickTheirConversionByName)
{
    testing::TempFile text(L".txt", "");
    testing::TempFile rtf(L".RTF", "");
    ::SetWindowTextW(edit.handle(), L"one\rtwo");
    SaveToFile(Transfer(), text.path());
    SaveToFile(Transfer(), rtf.path());
    {
        TFileStream plain(text.path(), fmOpenRead);
        std::string bytes(static_cast<size_t>(plain.Size()), '\0');
        plain.ReadBuffer(bytes.data(), plain.Size());
        EXPECT_EQ(bytes, "one\r\ntwo");
    }
    ::SetWindowTextW(edit.handle(), L"");
    LoadFromFile(Transfer(), rtf.path());
    EXPECT_EQ(Text(), L"one\rtwo");
    LoadFromFile(Transfer(), text.path());
    EXPECT_EQ(Text(), L"one\rtwo");
}

TEST_F(Loading, MissingFileRaises) { EXPECT_THROW(LoadFromFile(Transfer(), L"C:\\no\\such\\chapter.rtf"), Exception); }

TEST(StreamFlags, FollowFormatModeAndLevel)
{
    EXPECT_EQ(StreamInFlags(sfDefault, {}, false, 3), WPARAM(SF_RTF));
    EXPECT_EQ(StreamInFlags(sfDefault, {}, true, 3), WPARAM(SF_TEXT));
    EXPECT_EQ(StreamInFlags(sfRichText, {smPlainRtf, smSelection}, false, 3),
              WPARAM(SF_RTF | SFF_PLAINRTF | SFF_SELECTION));
    EXPECT_EQ(StreamInFlags(sfPlainText, {smUnicode}, false, 3), WPARAM(SF_TEXT | SF_UNICODE));
    EXPECT_EQ(StreamInFlags(sfPlainText, {smUnicode}, false, 1), WPARAM(SF_TEXT));
    EXPECT_EQ(StreamOutFlags(sfRichText, {smNoObjects}, false, 3), WPARAM(SF_RTFNOOBJS));
    EXPECT_EQ(StreamOutFlags(sfRichText, {smNoObjects, smPlainRtf}, false, 3), WPARAM(SF_RTFNOOBJS | SFF_PLAINRTF));
    EXPECT_EQ(FormatOfTextKind(0), sfPlainText);
    EXPECT_EQ(FormatOfTextKind(1), sfRichText);
    EXPECT_EQ(FormatOfTextKind(4), sfDefault);
}

}  // namespace
}  // namespace ov
