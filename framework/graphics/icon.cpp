// TIcon: .ico directory parsing and image choice, resource loading, drawing.
#include "framework/graphics/icon.h"

#include <cstring>
#include <string>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/core/exception.h"
#include "framework/core/properties.h"
#include "framework/core/streams.h"

namespace ov {

namespace {

#pragma pack(push, 1)
// The .ico file header and its directory entries (a 0 width or height stands for 256).
struct IconDirectory {
    WORD reserved;
    WORD type;  // 1 for icons
    WORD count;
};
struct IconDirectoryEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    DWORD imageOffset;
};
#pragma pack(pop)
static_assert(sizeof(IconDirectory) == 6 && sizeof(IconDirectoryEntry) == 16);

[[noreturn]] void Invalid() { throw Exception(L"Icon image is not valid"); }

int EntrySide(BYTE side) { return side == 0 ? 256 : side; }

// Exact size first (more bits per pixel wins), then the smallest larger one, then the largest.
size_t ChooseEntry(const std::vector<IconDirectoryEntry>& entries, int width, int height)
{
    auto score = [&](const IconDirectoryEntry& e) {
        int w = EntrySide(e.width), h = EntrySide(e.height);
        long long area = static_cast<long long>(w) * h;
        if (w == width && h == height)
            return 3LL << 40 | e.bitCount;
        if (w >= width && h >= height)
            return 2LL << 40 | (0xFFFFFFLL - area) << 8 | e.bitCount;
        return 1LL << 40 | area << 8 | e.bitCount;
    };
    size_t best = 0;
    for (size_t i = 1; i < entries.size(); ++i)
        if (score(entries[i]) > score(entries[best]))
            best = i;
    return best;
}

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return {};
    UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(color ? color.get() : mask.get(), sizeof(bitmap), &bitmap);
    // A monochrome icon's mask holds the AND and XOR halves one above the other.
    return {bitmap.bmWidth, color ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

}  // namespace

const TClassInfo& TIcon::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TIcon>(L"TIcon", TGraphic::StaticClass()).Build();
    return info;
}

TIcon::TIcon() { TGraphic::SetTransparent(true); }

TIcon::TIcon(const TIcon& other) : TIcon() { Assign(other); }

TIcon& TIcon::operator=(const TIcon& other)
{
    Assign(other);
    return *this;
}

TIcon::~TIcon() = default;

void TIcon::LoadFromStream(TStream& stream)
{
    IconDirectory directory{};
    stream.ReadBuffer(&directory, sizeof(directory));
    if (directory.reserved != 0 || directory.type != 1 || directory.count == 0)
        Invalid();
    std::vector<IconDirectoryEntry> entries(directory.count);
    stream.ReadBuffer(entries.data(), static_cast<std::int64_t>(entries.size() * sizeof(IconDirectoryEntry)));
    int width = requestedWidth_ > 0 ? requestedWidth_ : ::GetSystemMetrics(SM_CXICON);
    int height = requestedHeight_ > 0 ? requestedHeight_ : ::GetSystemMetrics(SM_CYICON);
    const IconDirectoryEntry& entry = entries[ChooseEntry(entries, width, height)];

    // Offsets count from the start of the file, which is where the directory began.
    std::int64_t start = stream.Position() - static_cast<std::int64_t>(sizeof(directory) + entries.size() * 16);
    if (entry.bytesInRes < sizeof(BITMAPINFOHEADER) || entry.bytesInRes > (64u << 20) ||
        start + entry.imageOffset + entry.bytesInRes > stream.Size())
        Invalid();
    std::vector<BYTE> image(entry.bytesInRes);
    stream.SetPosition(start + entry.imageOffset);
    stream.ReadBuffer(image.data(), static_cast<std::int64_t>(image.size()));
    HICON icon = ::CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                            EntrySide(entry.width), EntrySide(entry.height), LR_DEFAULTCOLOR);
    if (!icon)
        Invalid();
    SetHandle(icon);
}

void TIcon::LoadFromResourceName(HINSTANCE instance, std::wstring_view name)
{
    std::wstring text(name);
    LoadFromResource(instance, text.c_str(), text);
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id)
{
    LoadFromResource(instance, MAKEINTRESOURCEW(id), std::to_wstring(id));
}

void TIcon::LoadFromResource(HINSTANCE instance, const wchar_t* name, const std::wstring& shownName)
{
    int width = requestedWidth_ > 0 ? requestedWidth_ : ::GetSystemMetrics(SM_CXICON);
    int height = requestedHeight_ > 0 ? requestedHeight_ : ::GetSystemMetrics(SM_CYICON);
    // Without LR_SHARED the icon is our own, to be destroyed.
    auto icon = static_cast<HICON>(::LoadImageW(instance, name, IMAGE_ICON, width, height, 0));
    if (!icon)
        throw Exception(L"Resource %s not found", {shownName});
    SetHandle(icon);
}

void TIcon::SetHandle(HICON icon)
{
    icon_.reset(icon);
    SIZE size = icon ? IconSize(icon) : SIZE{};
    width_ = size.cx;
    height_ = size.cy;
    Changed();
}

HICON TIcon::ReleaseHandle()
{
    HICON icon = icon_.release();
    width_ = height_ = 0;
    Changed();
    return icon;
}

void TIcon::Assign(const TPersistent& source)
{
    auto icon = dynamic_cast<const TIcon*>(&source);
    if (!icon) {
        TGraphic::Assign(source);
        return;
    }
    if (icon != this)
        SetHandle(icon->icon_ ? ::CopyIcon(icon->icon_.get()) : nullptr);
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (icon_ && canvas.Handle())
        ::DrawIconEx(canvas.Handle(), rect.left, rect.top, icon_.get(), rect.right - rect.left, rect.bottom - rect.top,
                     0, nullptr, DI_NORMAL);
}

}  // namespace ov
