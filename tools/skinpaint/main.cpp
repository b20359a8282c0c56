// skinpaint: draws the built-in skin's bitmaps into a skin source folder, and renders a preview
// sheet of any skin source folder.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/skinpaint/art.h"
#include "tools/skinpaint/engine_art.h"
#include "tools/skinpaint/image_io.h"
#include "tools/skinpaint/png_writer.h"
#include "tools/skinpaint/preview.h"

namespace fs = std::filesystem;
using namespace ov;
using namespace ov::skinpaint;

namespace {

fs::path BitmapFile(const fs::path& folder, Skin2Bitmap id) { return folder / (std::string(Skin2Name(id)) + ".bmp"); }

int Draw(const fs::path& folder)
{
    fs::create_directories(folder);
    for (const Artwork& art : DrawBuiltinSkin())
        SaveBmp(art.image, BitmapFile(folder, art.id));
    return 0;
}

int DrawEngine(const fs::path& folder)
{
    fs::create_directories(folder);
    for (const EngineArtwork& art : DrawEngineArt())
        SaveBmp(art.image, folder / (art.name + ".bmp"));
    return 0;
}

int Preview(const fs::path& folder, const fs::path& png)
{
    SkinPictures skin;
    for (int id = 0; id < kSkin2BitmapCount; ++id) {
        const fs::path file = BitmapFile(folder, static_cast<Skin2Bitmap>(id));
        if (fs::exists(file))
            skin.emplace(static_cast<Skin2Bitmap>(id), LoadBmp(file));
    }
    SavePng(ComposePreview(skin), png);
    return 0;
}

int Usage()
{
    std::fputs(
        "usage: skinpaint draw OUTDIR          draw the built-in skin's bitmaps\n"
        "       skinpaint engine OUTDIR        draw the skin engine's own bitmaps\n"
        "       skinpaint preview SKINDIR OUT.png  render a skin's bitmaps as a preview sheet\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::string_view command = argc > 1 ? argv[1] : "";
        if (command == "draw" && argc == 3)
            return Draw(argv[2]);
        if (command == "engine" && argc == 3)
            return DrawEngine(argv[2]);
        if (command == "preview" && argc == 4)
            return Preview(argv[2], argv[3]);
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpaint: %s\n", e.what());
        return 1;
    }
}
