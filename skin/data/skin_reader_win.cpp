// Loading a skin package for the painters and answering lookups by id.
#include "skin/data/skin_reader_win.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/unicode.h"
#include "skin/data/byte_stream.h"
#include "skin/data/named_list.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_error.h"

namespace ov {
namespace {

std::unique_ptr<TBitmap> ToBitmap(const DecodedBitmap& decoded)
{
    auto bitmap = std::make_unique<TBitmap>();
    if (decoded.width > 0 && decoded.height > 0) {
        bitmap->SetSize(decoded.width, decoded.height);
        for (int y = 0; y < decoded.height; ++y)  // decoded rows are stored bottom-up
            std::copy_n(decoded.Row(y), static_cast<size_t>(decoded.width) * 3, bitmap->ScanLine(y));
    }
    return bitmap;
}

}  // namespace

TkrvSkinReader::TkrvSkinReader(const std::string& fileName, const std::string& password) { Load(fileName, password); }

TkrvSkinReader::~TkrvSkinReader() = default;

void TkrvSkinReader::Unload()
{
    FBitmaps.clear();
    FFileReader.reset();
    FLoaded = false;
}

void TkrvSkinReader::LoadPackage(const std::string& fileName, const std::string& password)
{
    FFileReader = std::make_unique<Tsk2SkinFileReader>(fileName, password);
    for (const auto& [name, decoded] : FFileReader->Bitmaps())
        FBitmaps.push_back(ToBitmap(decoded));
    const TColor key = GetColor(SKIN2_TRANSCOLOR);
    FFileReader->SetBitmapsTransparentColor(static_cast<uint32_t>(key));
    // A skin without a key colour leaves the bitmaps as they are rather than making black transparent.
    if (key != -1)
        for (auto& bitmap : FBitmaps)
            bitmap->SetTransparentColor(key);
    if (TBitmap* track = GetBitmap(SKIN2_TRACKBAR))
        ReplaceColor(*track, key, GetColor(SKIN2_FORMCOLOR));
    FLoaded = true;
}

void TkrvSkinReader::Load(const std::string& fileName, const std::string& password)
{
    Unload();
    if (!fileName.empty() && FileExists(fileName)) {
        try {
            LoadPackage(fileName, password);
        } catch (const SkinFileError& error) {
            // The framework's exception is what the application shows to people.
            Unload();
            throw Exception(Utf8ToWide(error.what()));
        } catch (...) {
            Unload();
            throw;
        }
    }
    FOnLoaded.Fire(this);
}

TBitmap* TkrvSkinReader::GetBitmap(Skin2Bitmap id) const
{
    if (!FFileReader || id < 0 || id >= kSkin2BitmapCount)
        return nullptr;
    size_t index = 0;
    for (const auto& [name, decoded] : FFileReader->Bitmaps()) {
        if (EqualIgnoringCase(name, Skin2Name(id)))
            return FBitmaps[index].get();
        ++index;
    }
    return nullptr;
}

TColor TkrvSkinReader::GetColor(Skin2Color id) const
{
    if (!FFileReader || id < 0 || id >= kSkin2ColorCount)
        return -1;
    return FFileReader->FindInteger(Skin2Name(id));
}

int TkrvSkinReader::GetInteger(Skin2Integer id) const
{
    if (!FFileReader || id < 0 || id >= kSkin2IntegerCount)
        return -1;
    return FFileReader->FindInteger(Skin2Name(id));
}

bool TkrvSkinReader::GetBoolean(Skin2Boolean id) const
{
    if (!FFileReader || id < 0 || id >= kSkin2BooleanCount)
        return false;
    return FFileReader->FindBoolean(Skin2Name(id));
}

}  // namespace ov
