// The generated chapter documents as the reader gets them: RCDATA resources of this program, checked
// byte by byte, then streamed into a bare "RichEdit20A" control and read back as Unicode.
#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <richedit.h>
#include <richole.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// The documents and what their sources say.

struct Chapter {
    int number;
    bool richEditForm;  // else written as a word processor writes RTF
    std::wstring title;
    std::vector<std::wstring> sentences;  // as read back: markup removed, runs joined
};

const std::vector<Chapter>& Chapters()
{
    static const std::vector<Chapter> chapters = {
        {0,
         true,
         L"快速怀孕的奥秘",
         {L"卵子排出后能够受精的时间很短，一般只有12~24小时。如果在这段时间里没有遇到精子",
          L"升高大约0.3~0.5℃，并一直维持到下次月经前。",
          L"祝愿每一位读者都能以健康的身体、轻松的心情，早日迎来属于自己的好消息。"}},
        {2,
         true,
         L"声明、简介",
         {L"本书不是医学诊断，也不是治疗方案，不能代替医生的面诊、检查和专业意见。书中提到",
          L"祝您阅读愉快，早日如愿！"}},
        {3,
         false,
         L"操作说明",
         {L"主窗口的标题栏上显示“Zelvo健康咨询系列——Ovalune（科普版）”，窗口中首先显示的是",
          L"也可以把“关于”窗口中的地址手动输入到浏览器的地址栏中。"}},
        {5, false, L"基础体温", {L"使基础体温比排卵前升高大约0.3~0.5℃。", L"（例如36.45℃），至少也要能显示到0.05℃"}},
        {6, false, L"排卵试纸", {L"血液中的LH会有一部分经肾脏进入尿液。", L"对照线（C线）"}},
        {7,
         false,
         L"阴道B超",
         {L"所谓卵泡监测，就是在一个月经周期中连续做几次阴道B超", L"⑨\u3000如果这个周期没有怀孕，下个周期怎样安排？"}},
        {8,
         false,
         L"其它需要注意事项",
         {L"●\u3000按照我国的指南，计划怀孕的女性从怀孕前至少3个月开始，每天补充0.4毫克或0."
          L"8毫克叶酸，一直持续到怀孕满3个月。"}},
    };
    return chapters;
}

// The document as stored in this program, found by the lower-case name the reader formats.
std::string_view ChapterBytes(int number)
{
    std::wstring name = L"rtf_" + std::to_wstring(number);
    HRSRC found = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10));
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

// ---------------------------------------------------------------------------------------------
// Reading the RTF itself.

// True when every "{" has its "}" and the first group closes only at the end of the document (a
// rich edit document may follow it with CR LF and NUL). Escaped braces and \'hh bytes are text.
bool GroupsBalance(std::string_view rtf)
{
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            i += rtf.compare(i + 1, 1, "'") == 0 ? 3 : 1;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth == 0) {
            std::string_view rest = rtf.substr(i + 1);
            return rest.empty() || rest == std::string_view("\r\n\0", 3);
        }
    }
    return false;
}

size_t Count(std::string_view text, std::string_view what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The number written right after a control word, from position `from` on.
std::optional<long> NumberAfter(std::string_view rtf, std::string_view word, size_t from = 0)
{
    size_t at = rtf.find(word, from);
    if (at == std::string_view::npos)
        return std::nullopt;
    return std::strtol(std::string(rtf.substr(at + word.size(), 12)).c_str(), nullptr, 10);
}

// The hex data of the group that starts at `at` (its text after the destination words), as bytes.
std::vector<uint8_t> HexData(std::string_view rtf, size_t at)
{
    std::vector<uint8_t> bytes;
    size_t i = rtf.find_first_of("\r\n", at);
    auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    int high = -1;
    for (; i < rtf.size() && rtf[i] != '}'; ++i) {
        if (!isxdigit(static_cast<unsigned char>(rtf[i])))
            continue;
        if (high < 0) {
            high = digit(rtf[i]);
        } else {
            bytes.push_back(static_cast<uint8_t>(high << 4 | digit(rtf[i])));
            high = -1;
        }
    }
    return bytes;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

TEST(ChapterDocuments, AreSevenBitRtfInCodePage936EndingAsTheirFormEnds)
{
    for (const Chapter& chapter : Chapters()) {
        SCOPED_TRACE(chapter.number);
        std::string_view rtf = ChapterBytes(chapter.number);
        ASSERT_GT(rtf.size(), 1000u);
        EXPECT_EQ(rtf.substr(0, 22), R"({\rtf1\ansi\ansicpg936)");
        EXPECT_NE(rtf.substr(0, 400).find(R"(\deff0)"), std::string_view::npos);
        EXPECT_NE(rtf.find(R"(\fcharset134)"), std::string_view::npos);
        std::string_view body = chapter.richEditForm ? rtf.substr(0, rtf.size() - 1) : rtf;
        for (char c : body)
            ASSERT_TRUE(c > 0 && c < 0x7f) << "byte " << int(static_cast<unsigned char>(c));
        if (chapter.richEditForm) {
            EXPECT_EQ(rtf.substr(rtf.size() - 4), std::string_view("}\r\n\0", 4));
        } else {
            EXPECT_EQ(rtf.back(), '}');
        }
        EXPECT_TRUE(GroupsBalance(rtf));
    }
}

TEST(ChapterDocuments, OnlyWordProcessorDocumentsCarryTheGroupsARichEditSkips)
{
    const char* groups[] = {R"({\stylesheet)",     R"({\*\themedata)", R"({\*\colorschememapping)",
                            R"({\*\latentstyles)", R"({\*\datastore)", R"({\info)"};
    for (const Chapter& chapter : Chapters()) {
        SCOPED_TRACE(chapter.number);
        std::string_view rtf = ChapterBytes(chapter.number);
        for (const char* group : groups) {
            EXPECT_EQ(Count(rtf, group), chapter.richEditForm ? 0u : 1u) << group;
        }
        // Quotation marks are \uN escapes with an ASCII fallback in the word processor's documents.
        EXPECT_EQ(Count(rtf, R"(\u8220\'22)") > 0, !chapter.richEditForm);
    }
}

TEST(ChapterZero, StoresFivePicturesAndTwoPaintObjectsAs32BitBitmaps)
{
    std::string_view rtf = ChapterBytes(0);
    EXPECT_EQ(Count(rtf, R"({\pict\dibitmap0)"), 7u);
    EXPECT_EQ(Count(rtf, R"({\object\objemb{\*\objclass Paint.Picture})"), 2u);
    EXPECT_EQ(Count(rtf, R"({\result{\pict\dibitmap0)"), 2u);
    EXPECT_EQ(Count(rtf, R"(\wmetafile)"), 0u);
    for (size_t at = rtf.find(R"({\pict)"); at != std::string_view::npos; at = rtf.find(R"({\pict)", at + 1)) {
        std::vector<uint8_t> dib = HexData(rtf, at);
        ASSERT_GE(dib.size(), 40u);
        long width = *NumberAfter(rtf, R"(\picw)", at), height = *NumberAfter(rtf, R"(\pich)", at);
        EXPECT_EQ(Le32(dib, 0), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<long>(Le32(dib, 4)), width);
        EXPECT_EQ(static_cast<long>(Le32(dib, 8)), height);  // positive: rows bottom-up
        EXPECT_EQ(dib[14] | dib[15] << 8, 32);               // bits per pixel
        EXPECT_EQ(Le32(dib, 16), 0u);                        // BI_RGB
        EXPECT_EQ(dib.size(), 40u + size_t(width) * size_t(height) * 4);
        EXPECT_EQ(*NumberAfter(rtf, R"(\picwgoal)", at), width * 15);  // one pixel at 96 dpi
        EXPECT_LE(width * 15, 740 * 15);
    }
}

// Each object's data is an OLE 1.0 stream of an embedded Paint.Picture whose native data is a
// .bmp file holding the same bitmap as the object's result picture.
TEST(ChapterZero, ObjectsCarryTheirPictureAsAnOle1PaintPicture)
{
    std::string_view rtf = ChapterBytes(0);
    size_t objects = 0;
    for (size_t at = rtf.find(R"({\*\objdata)"); at != std::string_view::npos;
         at = rtf.find(R"({\*\objdata)", at + 1), ++objects) {
        std::vector<uint8_t> ole = HexData(rtf, at);
        ASSERT_GE(ole.size(), 40u);
        EXPECT_EQ(Le32(ole, 0), 0x501u);
        EXPECT_EQ(Le32(ole, 4), 2u);  // embedded
        ASSERT_EQ(Le32(ole, 8), 14u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&ole[12]), 14), std::string("Paint.Picture\0", 14));
        EXPECT_EQ(Le32(ole, 26), 0u);  // topic
        EXPECT_EQ(Le32(ole, 30), 0u);  // item
        uint32_t nativeSize = Le32(ole, 34);
        ASSERT_EQ(ole.size(), 38u + nativeSize + 8);
        const uint8_t* bmp = &ole[38];
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        std::vector<uint8_t> native(bmp, bmp + nativeSize);
        EXPECT_EQ(Le32(native, 2), nativeSize);
        EXPECT_EQ(Le32(native, 10), 54u);
        std::vector<uint8_t> result = HexData(rtf, rtf.find(R"({\result{\pict)", at));
        EXPECT_TRUE(native.size() == result.size() + 14 && std::memcmp(&native[14], result.data(), result.size()) == 0)
            << "the object's bitmap differs from its result picture";
        size_t object = rtf.rfind(R"({\object)", at);
        EXPECT_EQ(*NumberAfter(rtf, R"(\objw)", object), *NumberAfter(rtf, R"(\picwgoal)", at));
        EXPECT_EQ(*NumberAfter(rtf, R"(\objh)", object), *NumberAfter(rtf, R"(\pichgoal)", at));
    }
    EXPECT_EQ(objects, 2u);
}

// ---------------------------------------------------------------------------------------------
// The documents in the platform's rich edit control.

struct WindowDeleter {
    void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using WindowOwner = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using ComOwner = std::unique_ptr<T, ComRelease>;

class RichEditTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        library_ = LoadLibraryW(L"riched20.dll");
    }
    static void TearDownTestSuite()
    {
        if (library_)
            FreeLibrary(library_);
        OleUninitialize();
    }

    // A hidden rich edit control holding the chapter, as the reader's view loads it.
    WindowOwner Load(int number, DWORD* error = nullptr)
    {
        WindowOwner view(CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE | ES_READONLY, 0, 0, 740, 600,
                                         nullptr, nullptr, nullptr, nullptr));
        if (!view)
            return view;
        SendMessageW(view.get(), EM_EXLIMITTEXT, 0, 0x7fffffff);
        Reader reader{ChapterBytes(number), 0};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&reader), 0, &Reader::Read};
        SendMessageW(view.get(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        if (error)
            *error = stream.dwError;
        return view;
    }

    static std::wstring Text(HWND view)
    {
        GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
        LRESULT count = SendMessageW(view, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
        std::wstring text(static_cast<size_t>(count) + 1, L'\0');
        GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
        LRESULT got =
            SendMessageW(view, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(got));
        return text;
    }

    // Selects the first occurrence of `what`; false if it is not there.
    static bool Select(HWND view, const std::wstring& what)
    {
        FINDTEXTEXW find{{0, -1}, what.c_str(), {0, 0}};
        if (SendMessageW(view, EM_FINDTEXTEXW, FR_DOWN, reinterpret_cast<LPARAM>(&find)) < 0)
            return false;
        SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
        return true;
    }

    static CHARFORMAT2W SelectionFormat(HWND view)
    {
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    static PARAFORMAT2 SelectionParagraph(HWND view)
    {
        PARAFORMAT2 format{};
        format.cbSize = sizeof format;
        SendMessageW(view, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        return format;
    }

private:
    struct Reader {
        std::string_view data;
        size_t at;
        static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
        {
            auto* self = reinterpret_cast<Reader*>(cookie);
            size_t n = std::min(static_cast<size_t>(size), self->data.size() - self->at);
            std::memcpy(buffer, self->data.data() + self->at, n);
            self->at += n;
            *read = static_cast<LONG>(n);
            return 0;
        }
    };
    static inline HMODULE library_ = nullptr;
};

TEST_F(RichEditTest, EveryChapterLoadsWithItsTitleFirstItsTextAndItsSymbols)
{
    for (const Chapter& chapter : Chapters()) {
        SCOPED_TRACE(chapter.number);
        DWORD error = 1;
        WindowOwner view = Load(chapter.number, &error);
        ASSERT_TRUE(view);
        EXPECT_EQ(error, 0u);
        std::wstring text = Text(view.get());
        EXPECT_EQ(text.substr(0, chapter.title.size() + 1), chapter.title + L"\r");
        for (const std::wstring& sentence : chapter.sentences) {
            EXPECT_NE(text.find(sentence), std::wstring::npos) << "missing a sentence of chapter " << chapter.number;
        }
        // Symbols written as \uN read back as themselves, without their ASCII fallbacks.
        EXPECT_NE(text.find(L'“'), std::wstring::npos);
        EXPECT_EQ(text.find(L'"'), std::wstring::npos) << "a fallback quotation mark leaked into the text";
        EXPECT_EQ(text.find(L"℃C"), std::wstring::npos) << "a fallback letter follows the degree sign";
    }
}

TEST_F(RichEditTest, ChapterZeroHoldsSevenObjectsOfItsPictureSizes)
{
    WindowOwner view = Load(0);
    IRichEditOle* raw = nullptr;
    SendMessageW(view.get(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&raw));
    ASSERT_NE(raw, nullptr);
    ComOwner<IRichEditOle> ole(raw);
    ASSERT_EQ(ole->GetObjectCount(), 7);

    std::string_view rtf = ChapterBytes(0);
    size_t at = 0;
    LONG lastCp = -1;
    for (LONG i = 0; i < 7; ++i) {
        REOBJECT object{};
        object.cbStruct = sizeof object;
        ASSERT_EQ(ole->GetObject(i, &object, REO_GETOBJ_NO_INTERFACES), S_OK);
        at = rtf.find(R"(\picwgoal)", at + 1);
        long twipsWide = *NumberAfter(rtf, R"(\picwgoal)", at), twipsHigh = *NumberAfter(rtf, R"(\pichgoal)", at);
        const long hundredthsWide = twipsWide * 2540 / 1440, hundredthsHigh = twipsHigh * 2540 / 1440;
        EXPECT_NEAR(object.sizel.cx, hundredthsWide, 2) << "object " << i;
        EXPECT_NEAR(object.sizel.cy, hundredthsHigh, 2) << "object " << i;
        EXPECT_GT(object.cp, lastCp);
        lastCp = object.cp;
    }
}

TEST_F(RichEditTest, TitlesListsAndNotesKeepTheirFormatting)
{
    WindowOwner view = Load(0);
    HWND hwnd = view.get();

    ASSERT_TRUE(Select(hwnd, L"快速怀孕的奥秘"));
    EXPECT_EQ(SelectionParagraph(hwnd).wAlignment, PFA_CENTER);
    CHARFORMAT2W title = SelectionFormat(hwnd);
    EXPECT_TRUE(title.dwEffects & CFE_BOLD);
    EXPECT_EQ(title.yHeight, 360);
    EXPECT_EQ(title.crTextColor, RGB(163, 45, 84));

    ASSERT_TRUE(Select(hwnd, L"了解身体的规律"));
    EXPECT_TRUE(SelectionFormat(hwnd).dwEffects & CFE_BOLD);
    ASSERT_TRUE(Select(hwnd, L"真正的“奥秘”"));
    EXPECT_FALSE(SelectionFormat(hwnd).dwEffects & CFE_BOLD);

    ASSERT_TRUE(Select(hwnd, L"本书是科普读物"));
    CHARFORMAT2W note = SelectionFormat(hwnd);
    EXPECT_TRUE(note.dwEffects & CFE_ITALIC);
    EXPECT_FALSE(note.dwEffects & CFE_AUTOBACKCOLOR);
    EXPECT_EQ(note.crBackColor, RGB(253, 232, 239));

    // A list item hangs its text two characters right of its mark.
    ASSERT_TRUE(Select(hwnd, L"●\u3000卵泡刺激素（FSH）"));
    PARAFORMAT2 item = SelectionParagraph(hwnd);
    EXPECT_EQ(item.dxStartIndent, 420);
    EXPECT_EQ(item.dxOffset, 420);
    ASSERT_TRUE(Select(hwnd, L"①\u3000在易孕期内，每1~2天同房一次。"));
}

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// The rich edit control under Wine neither prints (EM_FORMATRANGE, WM_PRINTCLIENT) nor paints into
// a device context of ours, so a shown view is scrolled, repainted, and copied from its own DC.
class ShownView {
public:
    static constexpr int kWidth = 740, kHeight = 600;

    explicit ShownView(HWND view) : view_(view)
    {
        SetWindowPos(view_, HWND_TOPMOST, 0, 0, kWidth, kHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }

    // The client area's pixels (0x00RRGGBB, top row first) with character `cp` scrolled to the top.
    std::vector<uint32_t> PixelsFrom(LONG cp)
    {
        POINT scroll{};
        SendMessageW(view_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
        POINTL at{};
        SendMessageW(view_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), cp);
        POINT top{0, at.y + scroll.y};
        SendMessageW(view_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&top));
        RedrawWindow(view_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return Capture();
    }

private:
    std::vector<uint32_t> Capture()
    {
        std::unique_ptr<HDC__, DcDeleter> dc(CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        std::unique_ptr<HBITMAP__, GdiObjectDeleter> bitmap(
            CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        HDC window = GetDC(view_);
        if (!dc || !bitmap || !window) {
            if (window)
                ReleaseDC(view_, window);
            return {};
        }
        HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, kWidth, kHeight, window, 0, 0, SRCCOPY);
        GdiFlush();
        SelectObject(dc.get(), old);
        ReleaseDC(view_, window);
        const auto* first = static_cast<const uint32_t*>(bits);
        return {first, first + size_t(kWidth) * kHeight};
    }

    HWND view_;
};

// Wine's control draws wrong colours for 24-bit pictures; ours must come out as drawn. The title
// of every drawing is in the book's dark rose.
TEST_F(RichEditTest, PicturesDrawInTheirOwnColours)
{
    WindowOwner view = Load(0);
    IRichEditOle* raw = nullptr;
    SendMessageW(view.get(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&raw));
    ASSERT_NE(raw, nullptr);
    ComOwner<IRichEditOle> ole(raw);
    auto matches = [](uint32_t pixel, int r, int g, int b) {
        auto close = [](int value, int want) { return value > want - 12 && value < want + 12; };
        auto channel = [pixel](int shift) { return static_cast<int>(pixel >> shift & 0xff); };
        return close(channel(16), r) && close(channel(8), g) && close(channel(0), b);
    };
    ShownView shown(view.get());
    for (LONG i = 0; i < ole->GetObjectCount(); ++i) {
        REOBJECT object{};
        object.cbStruct = sizeof object;
        ASSERT_EQ(ole->GetObject(i, &object, REO_GETOBJ_NO_INTERFACES), S_OK);
        std::vector<uint32_t> pixels = shown.PixelsFrom(object.cp);
        ASSERT_FALSE(pixels.empty());
        size_t rose = 0, swapped = 0;
        for (uint32_t pixel : pixels) {
            rose += matches(pixel, 163, 45, 84);
            swapped += matches(pixel, 84, 45, 163);
        }
        EXPECT_GT(rose, 100u) << "drawing " << i << " did not draw its rose title";
        EXPECT_LT(swapped, rose / 10) << "drawing " << i << " drew with red and blue swapped";
    }
}

}  // namespace
