// Loading a skin package: extract the data file to a temporary file, read it back, parse it and
// file its entries by kind, in file order.
#include "skin/data/skin_file_reader.h"

#include "skin/data/byte_stream.h"
#include "skin/data/package_reader.h"
#include "skin/data/skin_error.h"
#include "skin/data/temp_file.h"

namespace ov {

std::vector<uint8_t> ExtractSkinData(const std::string& packageFile, std::string_view password)
{
    const TemporaryFile temporary;
    switch (ExtractPackageMember(packageFile, sk2::kMemberName, temporary.Path(), password)) {
    case ExtractResult::MemberWritten:
        return ReadWholeFile(temporary.Path());
    case ExtractResult::WrongPassword:
        throw SkinFileError(kWrongPasswordMessage);
    case ExtractResult::Failure:
        break;
    }
    throw SkinFileError(kFailedToReadSkinMessage);
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, const std::string& password)
{
    LoadPackage(fileName, password);
}

void Tsk2SkinFileReader::LoadPackage(const std::string& fileName, const std::string& password)
{
    FileEntries(ParseSkinDataFile(ExtractSkinData(fileName, password)));
}

void Tsk2SkinFileReader::FileEntries(std::vector<SkinDataEntry> entries)
{
    for (SkinDataEntry& entry : entries) {
        switch (entry.Kind()) {
        case sk2::EntryKind::Bitmap:
            FBitmaps.Add(std::move(entry.name), std::move(std::get<DecodedBitmap>(entry.value)));
            break;
        case sk2::EntryKind::Integer:
            FIntegers.Add(std::move(entry.name), std::get<int32_t>(entry.value));
            break;
        case sk2::EntryKind::Boolean:
            FBooleans.Add(std::move(entry.name), std::get<uint8_t>(entry.value));
            break;
        case sk2::EntryKind::String:
            FStrings.Add(std::move(entry.name), std::move(std::get<std::string>(entry.value)));
            break;
        }
    }
}

const DecodedBitmap* Tsk2SkinFileReader::FindBitmap(std::string_view name) const { return FBitmaps.Find(name); }

int32_t Tsk2SkinFileReader::FindInteger(std::string_view name) const
{
    const int32_t* value = FIntegers.Find(name);
    return value ? *value : -1;
}

bool Tsk2SkinFileReader::FindBoolean(std::string_view name) const
{
    const uint8_t* value = FBooleans.Find(name);
    return value && *value != 0;
}

void Tsk2SkinFileReader::SetBitmapsTransparentColor(uint32_t color)
{
    for (auto& [name, bitmap] : FBitmaps) {
        bitmap.transparentMode = TransparentMode::Fixed;
        bitmap.transparentColor = color;
    }
}

}  // namespace ov
