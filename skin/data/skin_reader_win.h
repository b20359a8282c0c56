// TkrvSkinReader: the one object through which painters read the current skin, by bitmap, colour,
// integer or boolean id (the entry names of Skin2Define). Lookups never fail: a missing entry, or
// no skin loaded, gives no bitmap, -1 or false.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/core/component.h"
#include "skin/data/skin2_define.h"
#include "skin/data/skin_file_reader.h"

namespace ov {

class TkrvSkinReader : public TObject {
public:
    // Loads at once; an empty file name (as the engine gives) leaves the reader unloaded.
    explicit TkrvSkinReader(const std::string& fileName = {}, const std::string& password = {});
    ~TkrvSkinReader() override;
    TkrvSkinReader(const TkrvSkinReader&) = delete;
    TkrvSkinReader& operator=(const TkrvSkinReader&) = delete;

    // Replaces the current skin. A file that does not exist unloads the reader; a package that
    // cannot be read unloads it and raises Exception with the reader's text ("Wrong password!",
    // "Failed to read skin file!", ...) without calling OnLoaded. Otherwise the bitmaps take the
    // skin's key colour as their transparent colour, the key-colour pixels of SKIN2_TRACKBAR become
    // SKIN2_FORMCOLOR, and OnLoaded is called (also after a missing file).
    void Load(const std::string& fileName, const std::string& password);

    // The reader keeps the bitmap; it is valid until the next Load. Null when missing.
    [[nodiscard]] TBitmap* GetBitmap(Skin2Bitmap id) const;
    [[nodiscard]] TColor GetColor(Skin2Color id) const;
    [[nodiscard]] int GetInteger(Skin2Integer id) const;
    [[nodiscard]] bool GetBoolean(Skin2Boolean id) const;

    [[nodiscard]] bool Loaded() const { return FLoaded; }
    [[nodiscard]] const TNotifyEvent& OnLoaded() const { return FOnLoaded; }
    void SetOnLoaded(TNotifyEvent handler) { FOnLoaded = std::move(handler); }

private:
    void Unload();
    void LoadPackage(const std::string& fileName, const std::string& password);

    std::unique_ptr<Tsk2SkinFileReader> FFileReader;
    // The file reader's bitmap entries as framework bitmaps, in the same order.
    std::vector<std::unique_ptr<TBitmap>> FBitmaps;
    bool FLoaded = false;
    TNotifyEvent FOnLoaded;
};

}  // namespace ov
