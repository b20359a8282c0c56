// Reading and writing skin source folders.
#include "tools/skinc/skin_source.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>

#include "skin/data/bmp_decoder.h"
#include "skin/data/byte_stream.h"
#include "skin/data/named_list.h"
#include "skin/data/skin_error.h"
#include "tools/skinc/bmp_writer.h"
#include "tools/skinc/entry_names.h"
#include "tools/skinc/file_io.h"
#include "tools/skinc/manifest.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {

namespace fs = std::filesystem;

namespace {

constexpr int64_t kMaxColor = 0x00FFFFFF;

// Entries collected from a source folder, before they are put in file order.
struct Collected {
    std::map<int, SkinEntry> bitmaps;       // by bitmap id
    std::map<int, SkinEntry> integers;      // by rank
    std::map<int, SkinEntry> booleans;      // by boolean id
    std::vector<SkinEntry> strings;         // in manifest order
    std::map<std::string, int> lineOfName;  // NameKey -> manifest line, to report repeats
};

[[noreturn]] void FailAt(const std::string& file, int line, const std::string& reason)
{
    throw Error(file + ":" + std::to_string(line) + ": " + reason);
}

// Where a known name belongs when it is not where it was written.
std::string WrongPlace(const KnownName& known)
{
    const std::string name(known.name);
    if (known.group == NameGroup::Bitmap)
        return name + " is a bitmap entry: it comes from " + name + ".bmp";
    if (known.group == NameGroup::Boolean)
        return name + " is a boolean entry: write 'boolean " + name + " 0|1'";
    return name + " is " + (known.group == NameGroup::Integer ? "an integer" : "a colour") + " entry: write 'integer " +
           name + " VALUE'";
}

void NoteName(Collected& collected, const std::string& canonical, const std::string& file, int line)
{
    const auto [it, fresh] = collected.lineOfName.emplace(NameKey(canonical), line);
    if (!fresh)
        FailAt(file, line, canonical + " is given twice (first on line " + std::to_string(it->second) + ")");
}

void AddInteger(Collected& collected, const ManifestLine& line, const KnownName& known, const std::string& file)
{
    const bool colour = known.group != NameGroup::Integer;
    const bool inRange = colour ? (line.number == -1 || (line.number >= 0 && line.number <= kMaxColor))
                                : (line.number >= std::numeric_limits<int32_t>::min() &&
                                   line.number <= std::numeric_limits<int32_t>::max());
    if (!inRange) {
        FailAt(file, line.line,
               std::string(known.name) + ": value out of range (" +
                   (colour ? "a colour is 0x00BBGGRR from 0 to 0x00FFFFFF, or -1 for none"
                           : "an integer is signed 32-bit") +
                   ")");
    }
    collected.integers.emplace(known.Rank(), IntegerEntry(std::string(known.name), static_cast<int32_t>(line.number)));
}

void AddBoolean(Collected& collected, const ManifestLine& line, const KnownName& known, const std::string& file)
{
    if (line.number != 0 && line.number != 1) {
        FailAt(file, line.line, std::string(known.name) + ": a boolean is 0 or 1");
    }
    collected.booleans.emplace(known.id, BooleanEntry(std::string(known.name), line.number == 1));
}

void AddString(Collected& collected, const ManifestLine& line, const std::string& file)
{
    if (const auto known = FindKnownName(line.name))
        FailAt(file, line.line, WrongPlace(*known));
    if (line.name.size() > sk2::kNameSize)
        FailAt(file, line.line, "entry names have at most 64 characters");
    NoteName(collected, line.name, file, line.line);
    collected.strings.push_back(StringEntry(line.name, line.text));
}

void AddManifestLine(Collected& collected, const ManifestLine& line, const std::string& file)
{
    if (line.kind == sk2::EntryKind::String)
        return AddString(collected, line, file);
    const auto known = FindKnownName(line.name);
    if (!known)
        FailAt(file, line.line, "unknown entry name '" + line.name + "'");
    if (known->Kind() != line.kind || known->group == NameGroup::Bitmap)
        FailAt(file, line.line, WrongPlace(*known));
    NoteName(collected, std::string(known->name), file, line.line);
    if (line.kind == sk2::EntryKind::Integer)
        AddInteger(collected, line, *known, file);
    else
        AddBoolean(collected, line, *known, file);
}

void ReadManifest(Collected& collected, const fs::path& folder)
{
    const fs::path path = folder / kManifestFileName;
    if (!fs::is_regular_file(path)) {
        throw Error(path.string() + ": missing manifest (a skin source folder holds skin.txt and the bitmaps)");
    }
    const std::vector<uint8_t> bytes = ReadWholeFile(path.string());
    const std::string text(bytes.begin(), bytes.end());
    for (const ManifestLine& line : ParseManifest(text, path.string()))
        AddManifestLine(collected, line, path.string());
}

// The bitmap in canonical form; anything but 24 bits per pixel without compression is refused.
std::vector<uint8_t> ReadBitmapFile(const fs::path& path)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(path.string());
    DecodedBitmap bitmap;
    try {
        bitmap = DecodeBmp(bytes);
    } catch (const SkinFileError& e) {
        throw Error(path.string() + ": " + e.what() + " (skin bitmaps are 24-bit uncompressed BMP files)");
    }
    if (bitmap.bitsPerPixel != 24) {
        throw Error(path.string() + ": " + std::to_string(bitmap.bitsPerPixel) +
                    " bits per pixel; skin bitmaps must be 24-bit uncompressed");
    }
    return EncodeBmp(bitmap);
}

bool IsBmpFile(const fs::path& path)
{
    std::string extension = path.extension().string();
    return EqualIgnoringCase(extension, ".bmp");
}

void ReadBitmaps(Collected& collected, const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
        if (item.is_regular_file() && IsBmpFile(item.path()))
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());  // the same message for the same folder, every time
    for (const fs::path& file : files) {
        const std::string stem = file.stem().string();
        const auto known = FindKnownName(stem);
        if (!known)
            throw Error(file.string() + ": '" + stem + "' is not a bitmap entry name");
        if (known->group != NameGroup::Bitmap)
            throw Error(file.string() + ": " + WrongPlace(*known) + " in skin.txt");
        SkinEntry entry{std::string(known->name), sk2::EntryKind::Bitmap, ReadBitmapFile(file)};
        if (!collected.bitmaps.emplace(known->id, std::move(entry)).second) {
            throw Error(file.string() + ": a second file for " + std::string(known->name));
        }
    }
}

template <typename Map>
void AppendValues(std::vector<SkinEntry>& out, Map& map)
{
    for (auto& [key, entry] : map)
        out.push_back(std::move(entry));
}

}  // namespace

std::vector<SkinEntry> ReadSkinSource(const fs::path& folder)
{
    if (!fs::is_directory(folder))
        throw Error(folder.string() + ": not a folder");
    Collected collected;
    ReadManifest(collected, folder);
    ReadBitmaps(collected, folder);
    std::vector<SkinEntry> entries;
    AppendValues(entries, collected.bitmaps);
    AppendValues(entries, collected.integers);
    AppendValues(entries, collected.booleans);
    for (SkinEntry& entry : collected.strings)
        entries.push_back(std::move(entry));
    return entries;
}

namespace {

void WriteFolderContents(const fs::path& folder, std::span<const SkinEntry> entries)
{
    fs::create_directories(folder);
    for (const SkinEntry& entry : entries) {
        if (entry.kind != sk2::EntryKind::Bitmap)
            continue;
        // Only names of the vocabulary become file names, so no entry can write outside the folder.
        const auto known = FindKnownName(entry.name);
        if (!known || known->group != NameGroup::Bitmap)
            throw Error(entry.name + ": not a bitmap entry name");
        WriteFileAtomically(folder / (std::string(known->name) + ".bmp"), entry.data);
    }
    const std::string manifest = FormatManifest(entries);
    WriteFileAtomically(folder / kManifestFileName,
                        std::span(reinterpret_cast<const uint8_t*>(manifest.data()), manifest.size()));
}

}  // namespace

void WriteSkinSource(const fs::path& folderPath, std::span<const SkinEntry> entries)
{
    // "out/" names the folder "out": drop the empty last component before adding a suffix.
    const fs::path folder = folderPath.has_filename() ? folderPath : folderPath.parent_path();
    if (fs::exists(folder) && !(fs::is_directory(folder) && fs::is_empty(folder))) {
        throw Error(folder.string() + ": already exists and is not an empty folder");
    }
    fs::path partial = folder;
    partial += ".partial";
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    try {
        WriteFolderContents(partial, entries);
        if (fs::exists(folder))
            fs::remove(folder);
        fs::rename(partial, folder);
    } catch (const fs::filesystem_error& e) {
        fs::remove_all(partial, ignored);
        throw Error(folder.string() + ": cannot write the folder (" + e.code().message() + ")");
    } catch (...) {
        fs::remove_all(partial, ignored);
        throw;
    }
}

}  // namespace ov::skinc
