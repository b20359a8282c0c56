// Loading a chapter-class document into a rich text view (Lines.LoadFromStream over a read-only
// in-place memory stream, as chapters are read from the program's resources) against a bare
// "RichEdit20A" window loading the same bytes with a plain EM_STREAMIN callback. The document is
// made here: Chinese RTF text and five pictures of about 2.5 MB each as 32-bit \dibitmap0 hex,
// about 12.8 MB in all. Prints a table and, last, RESULT load_ratio_vs_bare=<ratio>.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/core/exception.h"
#include "framework/forms/form.h"
#include "framework/core/handle.h"
#include "framework/core/streams.h"
#include "richview/rich_edit.h"
#include "richview/rich_edit_strings.h"
#include "richview/richedit_library.h"
#include "richview/rtf_samples.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;
constexpr int kPictures = 5;
constexpr int kPictureSide = 560;  // 560 x 560 x 4 bytes = 1.25 MB, 2.5 MB as hex

std::string ChapterDocument()
{
    std::string rtf = ov::rtf_samples::kHeader;
    std::string paragraph;
    for (int i = 0; i < 12; ++i)
        paragraph += ov::rtf_samples::kChineseHello;
    const std::uint32_t colours[kPictures] = {0xd04060, 0x40a060, 0x4060d0, 0xe0c040, 0x808080};
    for (int picture = 0; picture < kPictures; ++picture) {
        for (int line = 0; line < 60; ++line)
            rtf += paragraph + " " + std::to_string(picture * 60 + line) + "\\par\r\n";
        rtf += "\\pard\\qc " + ov::rtf_samples::Picture(kPictureSide, kPictureSide, colours[picture]) + "\\par\r\n";
    }
    return rtf + "}\r\n";
}

// The bytes where they are, read in place the way a resource stream reads the program's image.
class InPlaceStream final : public ov::TCustomMemoryStream {
public:
    explicit InPlaceStream(const std::string& bytes)
    {
        SetPointer(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::int64_t>(bytes.size()));
    }
    std::int64_t Write(const void*, std::int64_t) override { throw ov::Exception(L"read-only stream"); }
};

struct BareSource {
    const std::string* bytes;
    size_t position = 0;

    static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
    {
        auto* source = reinterpret_cast<BareSource*>(cookie);
        size_t count = std::min<size_t>(static_cast<size_t>(size), source->bytes->size() - source->position);
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result): a buffer of bytes, not a string
        std::memcpy(buffer, source->bytes->data() + source->position, count);
        source->position += count;
        *read = static_cast<LONG>(count);
        return 0;
    }
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// One load into a fresh bare control; the characters it then holds are returned through `length`.
double LoadBare(HWND parent, const std::string& document, LRESULT& length)
{
    ov::UniqueWindow edit(::CreateWindowExW(0, L"RichEdit20A", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL,
                                            0, 0, 758, 437, parent, nullptr, nullptr, nullptr));
    BareSource source{&document};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &BareSource::Read};
    auto start = Clock::now();
    ::SendMessageW(edit.get(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    double seconds = Seconds(Clock::now() - start);
    length = ::SendMessageW(edit.get(), WM_GETTEXTLENGTH, 0, 0);
    return seconds;
}

// One load into a fresh view of a form, through Lines.
double LoadView(ov::TForm& form, const std::string& document, LRESULT& length)
{
    ov::TComponentPtr<ov::TOvRichEdit> view(new ov::TOvRichEdit(nullptr));
    view->SetParent(&form);
    view->SetBounds(0, 0, 758, 437);
    view->SetReadOnly(true);
    view->SetBorderStyle(ov::bsNone);
    view->Handle();
    InPlaceStream stream(document);
    auto start = Clock::now();
    view->Lines()->LoadFromStream(stream);
    double seconds = Seconds(Clock::now() - start);
    length = ::SendMessageW(view->WindowHandle(), WM_GETTEXTLENGTH, 0, 0);
    return seconds;
}

}  // namespace

int wmain()
{
    ::OleInitialize(nullptr);
    std::string document = ChapterDocument();
    ov::UniqueWindow bareParent(::CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 800, 500, nullptr,
                                                  nullptr, nullptr, nullptr));
    ov::TOvRichEdit::StaticClass();
    ov::TComponentPtr<ov::TForm> form(new ov::TForm(nullptr));
    form->InitForm("object BenchForm: TForm\n  ClientWidth = 780\n  ClientHeight = 460\nend\n");
    form->Handle();

    std::vector<double> bare, view;
    LRESULT bareLength = 0, viewLength = 0;
    try {
        for (int run = 0; run < kRuns; ++run) {
            bare.push_back(LoadBare(bareParent.get(), document, bareLength));
            view.push_back(LoadView(*form, document, viewLength));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_chapter_load: %s\n", error.what());
        return 1;
    }
    double bestBare = *std::min_element(bare.begin(), bare.end());
    double bestView = *std::min_element(view.begin(), view.end());
    double megabytes = static_cast<double>(document.size()) / 1e6;

    std::printf("chapter-class document: %.1f MB (%d pictures of %dx%d, 32-bit), rich edit level %d\n", megabytes,
                kPictures, kPictureSide, kPictureSide, ov::RichEditLevel());
    std::printf("%-34s %10s %10s %12s\n", "loader", "best ms", "MB/s", "characters");
    std::printf("%-34s %10.1f %10.1f %12ld\n", "bare RichEdit20A, EM_STREAMIN", bestBare * 1e3, megabytes / bestBare,
                static_cast<long>(bareLength));
    std::printf("%-34s %10.1f %10.1f %12ld\n", "TOvRichEdit Lines.LoadFromStream", bestView * 1e3, megabytes / bestView,
                static_cast<long>(viewLength));
    std::printf("RESULT load_ratio_vs_bare=%.3f\n", bestView / bestBare);
    form.reset();
    ::OleUninitialize();
    return 0;
}
