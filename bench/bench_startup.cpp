// Start-up of the reader against a bare rich edit program: wall time from process start to the
// main window shown with chapter 0 painted. The peer is this program run with --bare: one window
// with seven "RichEdit20A" controls that streams the same seven chapters. Both signal "painted"
// through the event named by OVALUNE_PAINTED_EVENT. Each measurement is a fresh process; the two
// programs alternate (21 pairs, each starting with the other one in turn), and the ratio compares
// the fastest run of each (the one least disturbed by whatever else the machine does; the medians
// are printed beside). Three more pairs use a 12.8 MB chapter 0 of the same form, put into a copy
// of the reader with UpdateResource.
//
//   bench_startup.exe            measures; ovalune.exe is expected beside it
//   bench_startup.exe --bare M   the peer, streaming the chapters stored in module M
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr wchar_t kEventVariable[] = L"OVALUNE_PAINTED_EVENT";
constexpr std::array<int, 7> kChapters{0, 2, 3, 5, 6, 7, 8};
constexpr int kRepetitions = 21;
constexpr int kLargeRepetitions = 3;
constexpr DWORD kStartTimeoutMs = 120000;
constexpr size_t kLargeChapterBytes = 12837539;

// --- small owners --------------------------------------------------------------------------------

struct KernelHandle {
    HANDLE h = nullptr;
    explicit KernelHandle(HANDLE handle = nullptr) : h(handle) {}
    ~KernelHandle()
    {
        if (h)
            CloseHandle(h);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
};

struct ModuleHandle {
    HMODULE h = nullptr;
    explicit ModuleHandle(HMODULE module) : h(module) {}
    ~ModuleHandle()
    {
        if (h)
            FreeLibrary(h);
    }
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;
};

// A file that is deleted when the owner goes.
struct TemporaryFile {
    std::wstring path;
    ~TemporaryFile()
    {
        if (!path.empty())
            DeleteFileW(path.c_str());
    }
};

std::wstring ModuleDirectory()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, length);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

std::span<const char> ResourceBytes(HMODULE module, const wchar_t* name)
{
    HRSRC info = FindResourceW(module, name, RT_RCDATA);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* memory = data ? LockResource(data) : nullptr;
    if (!memory)
        return {};
    return {static_cast<const char*>(memory), SizeofResource(module, info)};
}

// --- the bare peer -------------------------------------------------------------------------------

struct StreamCursor {
    std::span<const char> bytes;
    size_t position = 0;
};

DWORD CALLBACK ReadChapter(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* cursor = reinterpret_cast<StreamCursor*>(cookie);
    size_t n = std::min(static_cast<size_t>(count), cursor->bytes.size() - cursor->position);
    std::memcpy(buffer, cursor->bytes.data() + cursor->position, n);
    cursor->position += n;
    *done = static_cast<LONG>(n);
    return 0;
}

WNDPROC gViewProc = nullptr;
std::wstring gEventName;
bool gSignalled = false;

// Chapter 0's view: once its first paint is done, the window is on screen with the chapter.
LRESULT CALLBACK SignallingViewProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcW(gViewProc, window, msg, wParam, lParam);
    if (msg == WM_PAINT && !gSignalled) {
        gSignalled = true;
        KernelHandle event(OpenEventW(EVENT_MODIFY_STATE, FALSE, gEventName.c_str()));
        if (event.h)
            SetEvent(event.h);
    }
    return result;
}

LRESULT CALLBACK BareFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

int RunBare(const std::wstring& chapterModule)
{
    wchar_t name[256] = {};
    GetEnvironmentVariableW(kEventVariable, name, 256);
    gEventName = name;
    ModuleHandle richEdit(LoadLibraryW(L"RICHED20.DLL"));
    ModuleHandle chapters(LoadLibraryExW(chapterModule.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!richEdit.h || !chapters.h)
        return 1;

    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = BareFrameProc;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = L"BareReader";
    RegisterClassW(&frameClass);
    RECT frame{0, 0, 782, 540};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND main = CreateWindowW(L"BareReader", L"Bare reader", WS_OVERLAPPEDWINDOW, 183, 150, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, frameClass.hInstance, nullptr);
    if (!main)
        return 1;

    // Chapter 0 is the one visible view, as on the reader's first page.
    for (size_t i = 0; i < kChapters.size(); ++i) {
        DWORD style = WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_SAVESEL | (i == 0 ? WS_VISIBLE : 0);
        HWND view =
            CreateWindowExA(0, "RichEdit20A", "", style, 8, 82, 758, 437, main, nullptr, frameClass.hInstance, nullptr);
        SendMessageW(view, EM_EXLIMITTEXT, 0, 0xFFFFFF);
        std::wstring resource = L"RTF_" + std::to_wstring(kChapters[i]);
        StreamCursor cursor{ResourceBytes(chapters.h, resource.c_str())};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, ReadChapter};
        SendMessageW(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        if (i == 0)
            gViewProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SignallingViewProc)));
    }
    ShowWindow(main, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

// --- measuring -----------------------------------------------------------------------------------

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM processId)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(processId) && IsWindowVisible(window))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Runs one program until it signals "painted"; returns the seconds from CreateProcess, or -1.
double TimeToPainted(const std::wstring& commandLine)
{
    static int run = 0;
    std::wstring eventName =
        L"OvaluneBenchPainted_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++run);
    KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
    SetEnvironmentVariableW(kEventVariable, eventName.c_str());

    std::wstring mutableLine = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);
    HANDLE waitFor[2] = {event.h, process.hProcess};
    DWORD woke = WaitForMultipleObjects(2, waitFor, FALSE, kStartTimeoutMs);
    auto end = std::chrono::steady_clock::now();

    EnumWindows(CloseWindowsOf, static_cast<LPARAM>(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    if (woke != WAIT_OBJECT_0)
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

struct Pair {
    double reader = -1;
    double bare = -1;
};

// Which of the two starts first alternates from pair to pair, so neither always follows the other
// (a process that has just ended may still be cleaned up while the next one starts).
Pair MeasurePair(const std::wstring& reader, const std::wstring& self, bool readerFirst)
{
    Pair pair;
    auto runReader = [&] { pair.reader = TimeToPainted(Quoted(reader)); };
    auto runBare = [&] { pair.bare = TimeToPainted(Quoted(self) + L" --bare " + Quoted(reader)); };
    if (readerFirst) {
        runReader();
        runBare();
    } else {
        runBare();
        runReader();
    }
    return pair;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// --- the 12.8 MB chapter 0 ----------------------------------------------------------------------

// Start and end of each picture group standing in the text ("{\pict" not inside an object's result).
std::vector<std::pair<size_t, size_t>> TextPictures(std::string_view rtf)
{
    std::vector<std::pair<size_t, size_t>> groups;
    for (size_t at = rtf.find("{\\pict"); at != std::string_view::npos; at = rtf.find("{\\pict", at + 1)) {
        if (at >= 8 && rtf.substr(at - 8, 8) == "{\\result")
            continue;
        int depth = 0;
        size_t end = at;
        for (; end < rtf.size(); ++end) {
            if (rtf[end] == '\\') {
                ++end;
            } else if (rtf[end] == '{') {
                ++depth;
            } else if (rtf[end] == '}' && --depth == 0) {
                break;
            }
        }
        groups.emplace_back(at, end + 1);
    }
    return groups;
}

// The longest paragraph line without pictures or objects: the filler that brings the size up.
std::string_view TextParagraph(std::string_view rtf)
{
    std::string_view best;
    for (size_t at = rtf.find("\\pard"); at != std::string_view::npos; at = rtf.find("\\pard", at + 1)) {
        size_t end = rtf.find("\\par\r\n", at + 5);
        if (end == std::string_view::npos)
            break;
        std::string_view line = rtf.substr(at, end + 6 - at);
        if (line.find('{') == std::string_view::npos && line.size() > best.size())
            best = line;
    }
    return best;
}

// Chapter 0 with pictures taken from its end until it fits, then text paragraphs added to 12.8 MB.
std::string LargeChapter(std::string_view original)
{
    std::string rtf(original);
    auto pictures = TextPictures(rtf);
    while (rtf.size() > kLargeChapterBytes && !pictures.empty()) {
        rtf.erase(pictures.back().first, pictures.back().second - pictures.back().first);
        pictures.pop_back();
    }
    std::string filler(TextParagraph(original));
    size_t closing = rtf.rfind('}');
    if (filler.empty() || closing == std::string::npos)
        return rtf;
    std::string padding;
    while (rtf.size() + padding.size() < kLargeChapterBytes)
        padding += filler;
    rtf.insert(closing, padding);
    return rtf;
}

BOOL CALLBACK FirstLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found)
{
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

// A copy of the reader whose RTF_0 is the 12.8 MB chapter; false when it cannot be made.
bool MakeLargeReader(const std::wstring& reader, TemporaryFile& copy, size_t& chapterSize)
{
    wchar_t tempDir[MAX_PATH];
    GetTempPathW(MAX_PATH, tempDir);
    std::wstring path = std::wstring(tempDir) + L"ovalune_bench_" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    if (!CopyFileW(reader.c_str(), path.c_str(), FALSE))
        return false;
    copy.path = path;

    std::string chapter;
    WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    {
        ModuleHandle module(LoadLibraryExW(reader.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        auto original = ResourceBytes(module.h, L"RTF_0");
        if (original.empty())
            return false;
        EnumResourceLanguagesW(module.h, RT_RCDATA, L"RTF_0", FirstLanguage, reinterpret_cast<LONG_PTR>(&language));
        chapter = LargeChapter(std::string_view(original.data(), original.size()));
    }
    chapterSize = chapter.size();
    HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
    if (!update)
        return false;
    bool replaced =
        UpdateResourceW(update, RT_RCDATA, L"RTF_0", language, chapter.data(), static_cast<DWORD>(chapter.size()));
    return EndUpdateResourceW(update, !replaced) && replaced;
}

int RunBenchmark()
{
    std::wstring dir = ModuleDirectory();
    std::wstring reader = dir + L"ovalune.exe";
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (GetFileAttributesW(reader.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "bench_startup: ovalune.exe is not beside the benchmark\n");
        return 1;
    }

    std::vector<double> readerTimes, bareTimes;
    std::printf("%-4s %12s %12s\n", "run", "reader [s]", "bare [s]");
    for (int i = 0; i < kRepetitions; ++i) {
        Pair pair = MeasurePair(reader, self, i % 2 == 0);
        if (pair.reader < 0 || pair.bare < 0) {
            std::fprintf(stderr, "bench_startup: a program did not signal that it painted\n");
            return 1;
        }
        std::printf("%-4d %12.3f %12.3f\n", i + 1, pair.reader, pair.bare);
        readerTimes.push_back(pair.reader);
        bareTimes.push_back(pair.bare);
    }
    double readerBest = *std::min_element(readerTimes.begin(), readerTimes.end());
    double bareBest = *std::min_element(bareTimes.begin(), bareTimes.end());
    double ratio = readerBest / bareBest;
    std::printf("fastest: reader %.3f s, bare %.3f s; median: reader %.3f s, bare %.3f s\n", readerBest, bareBest,
                Median(readerTimes), Median(bareTimes));

    TemporaryFile largeReader;
    size_t largeSize = 0;
    if (MakeLargeReader(reader, largeReader, largeSize)) {
        Pair large{1e9, 1e9};
        for (int i = 0; i < kLargeRepetitions; ++i) {
            Pair pair = MeasurePair(largeReader.path, self, i % 2 == 0);
            if (pair.reader < 0 || pair.bare < 0) {
                large = {-1, -1};
                break;
            }
            large = {std::min(large.reader, pair.reader), std::min(large.bare, pair.bare)};
        }
        if (large.reader > 0 && large.bare > 0) {
            std::printf("chapter 0 of %zu bytes, fastest of %d: reader %.3f s, bare %.3f s\n", largeSize,
                        kLargeRepetitions, large.reader, large.bare);
            std::printf("RESULT startup_large_chapter_ratio_vs_bare=%.3f\n", large.reader / large.bare);
        }
    } else {
        std::printf("the 12.8 MB chapter 0 could not be put into a copy of the reader; skipped\n");
    }
    std::printf("RESULT startup_ratio_vs_bare=%.3f\n", ratio);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && std::wstring_view(argv[1]) == L"--bare")
        return RunBare(argv[2]);
    return RunBenchmark();
}
