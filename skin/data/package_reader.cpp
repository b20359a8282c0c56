// Skin package extraction: end record, central directory walk, optional decryption, decoding, and
// the closing rules that turn size mismatches into "wrong password".
#include "skin/data/package_reader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "skin/data/byte_order.h"
#include "skin/data/inflate.h"
#include "skin/data/named_list.h"
#include "skin/data/zip_crypto.h"

namespace ov {
namespace {

constexpr size_t kEndRecordSize = 22;
constexpr uint32_t kEndRecordSignature = 0x06054b50;
constexpr size_t kDirectoryHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kMaxNameLength = 259;
constexpr size_t kDecryptBlockSize = 1024;
constexpr uint16_t kEncryptedFlag = 1 << 0;
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflated = 8;

// What the reader uses of a central directory entry.
struct DirectoryEntry {
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t time = 0;
    uint32_t crc = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint32_t localHeaderOffset = 0;
};

bool ReadExactly(ByteSource& source, std::span<uint8_t> into) { return source.Read(into) == into.size(); }

bool StartsWithSk(ByteSource& package)
{
    std::array<uint8_t, 4> magic{};
    return ReadExactly(package, magic) && magic[0] == 'S' && magic[1] == 'K';
}

// The directory offset from the end record, which must be the file's last 22 bytes.
std::optional<uint32_t> ReadDirectoryOffset(ByteSource& package)
{
    if (package.Size() < kEndRecordSize || !package.Seek(package.Size() - kEndRecordSize))
        return std::nullopt;
    std::array<uint8_t, kEndRecordSize> record{};
    if (!ReadExactly(package, record))
        return std::nullopt;
    if (LoadLe32(record.data()) != kEndRecordSignature || LoadLe16(record.data() + 20) != 0)
        return std::nullopt;
    return LoadLe32(record.data() + 16);
}

DirectoryEntry ParseDirectoryEntry(const uint8_t* h)
{
    DirectoryEntry e;
    e.flags = LoadLe16(h + 8);
    e.method = LoadLe16(h + 10);
    e.time = LoadLe16(h + 12);
    e.crc = LoadLe32(h + 16);
    e.compressedSize = LoadLe32(h + 20);
    e.uncompressedSize = LoadLe32(h + 24);
    e.localHeaderOffset = LoadLe32(h + 42);
    return e;
}

// Walks the central directory up to the end record for the member.
std::optional<DirectoryEntry> FindMember(ByteSource& package, uint32_t directoryOffset, std::string_view memberName)
{
    const uint64_t directoryEnd = package.Size() - kEndRecordSize;
    std::array<uint8_t, kDirectoryHeaderSize> header{};
    std::array<uint8_t, kMaxNameLength> name{};
    for (uint64_t position = directoryOffset; position < directoryEnd;) {
        if (!package.Seek(position) || !ReadExactly(package, header))
            return std::nullopt;
        const uint16_t nameLength = LoadLe16(header.data() + 28);
        if (nameLength > kMaxNameLength)
            return std::nullopt;
        if (!ReadExactly(package, std::span(name).first(nameLength)))
            return std::nullopt;
        const std::string_view entryName(reinterpret_cast<const char*>(name.data()), nameLength);
        if (EqualIgnoringCase(entryName, memberName))
            return ParseDirectoryEntry(header.data());
        position += kDirectoryHeaderSize + nameLength + LoadLe16(header.data() + 30) + LoadLe16(header.data() + 32);
    }
    return std::nullopt;
}

// Positions the package at the member's data, past its local header, name and extra field.
bool SeekToMemberData(ByteSource& package, const DirectoryEntry& entry)
{
    std::array<uint8_t, kLocalHeaderSize> local{};
    if (!package.Seek(entry.localHeaderOffset) || !ReadExactly(package, local))
        return false;
    return package.Seek(package.Position() + LoadLe16(local.data() + 26) + LoadLe16(local.data() + 28));
}

// Decrypts everything from the current position to the end of the package, once the password has
// passed the check byte; nullopt when it does not.
std::optional<std::vector<uint8_t>> Decrypt(ByteSource& package, const DirectoryEntry& entry, std::string_view password)
{
    ZipCipher decrypter(password);
    std::array<uint8_t, kEncryptionHeaderSize> header{};
    if (!ReadExactly(package, header))
        throw std::runtime_error("encryption header cut short");
    decrypter.Decrypt(header);
    if (header.back() != ExpectedCheckByte(entry.flags, entry.crc, entry.time))
        return std::nullopt;

    std::vector<uint8_t> plain(static_cast<size_t>(package.Size() - package.Position()));
    for (size_t at = 0; at < plain.size(); at += kDecryptBlockSize) {
        const auto block = std::span(plain).subspan(at, std::min(kDecryptBlockSize, plain.size() - at));
        if (!ReadExactly(package, block))
            throw std::runtime_error("package cut short");
        decrypter.Decrypt(block);
    }
    return plain;
}

// A stored member: its bytes as they are (after the encryption header when encrypted).
bool CopyStored(ByteSource& data, const DirectoryEntry& entry, ByteSink& sink)
{
    uint64_t left = entry.compressedSize;
    if (entry.flags & kEncryptedFlag) {
        if (left < kEncryptionHeaderSize)
            return false;
        left -= kEncryptionHeaderSize;
    }
    std::array<uint8_t, 16384> buffer{};
    while (left > 0) {
        const size_t n =
            data.Read(std::span(buffer).first(static_cast<size_t>(std::min<uint64_t>(left, buffer.size()))));
        if (n == 0)
            return false;
        sink.Write(std::span(buffer).first(n));
        left -= n;
    }
    return true;
}

ExtractResult Decode(ByteSource& data, const DirectoryEntry& entry, ByteSink& sink)
{
    const bool done =
        entry.method == kMethodStored ? CopyStored(data, entry, sink) : Inflate(data, sink) == InflateStatus::Done;
    return done ? ExtractResult::MemberWritten : ExtractResult::Failure;
}

// Everything after the member has been found: output, decryption, decoding.
ExtractResult ExtractFound(ByteSource& package, const DirectoryEntry& entry, std::string_view password,
                           MemberOutput& output)
{
    ByteSink& sink = output.Create();
    if (!SeekToMemberData(package, entry))
        return ExtractResult::Failure;
    if (!(entry.flags & kEncryptedFlag))
        return Decode(package, entry, sink);
    if (password.empty())
        return ExtractResult::WrongPassword;
    const std::optional<std::vector<uint8_t>> plain = Decrypt(package, entry, password);
    if (!plain)
        return ExtractResult::WrongPassword;
    MemorySource data(*plain);
    return Decode(data, entry, sink);
}

ExtractResult ApplyClosingRules(ExtractResult result, const DirectoryEntry& entry, const MemberOutput& output)
{
    if (!output.Created())
        return result;
    if (output.Size() == 0 && result == ExtractResult::MemberWritten)
        return ExtractResult::Failure;
    if (output.Size() != entry.uncompressedSize)
        return ExtractResult::WrongPassword;
    return result;
}

class FileOutput final : public MemberOutput {
public:
    explicit FileOutput(std::string path) : path_(std::move(path)) {}

    ByteSink& Create() override
    {
        file_ = File::Create(path_);
        if (!file_)
            throw std::runtime_error("cannot create " + path_);
        sink_.emplace(file_);
        return *sink_;
    }
    [[nodiscard]] bool Created() const override { return sink_.has_value(); }
    [[nodiscard]] uint64_t Size() const override { return sink_ ? sink_->Written() : 0; }
    // Closes the file; false when the buffered tail could not be written.
    bool Close() { return !file_ || std::fclose(file_.Release()) == 0; }
    void Delete() const { std::remove(path_.c_str()); }

private:
    std::string path_;
    File file_;
    std::optional<FileSink> sink_;
};

class VectorOutput final : public MemberOutput {
public:
    explicit VectorOutput(std::vector<uint8_t>& out) : out_(out), sink_(out) {}

    ByteSink& Create() override
    {
        created_ = true;
        out_.clear();
        return sink_;
    }
    [[nodiscard]] bool Created() const override { return created_; }
    [[nodiscard]] uint64_t Size() const override { return out_.size(); }

private:
    std::vector<uint8_t>& out_;
    VectorSink sink_;
    bool created_ = false;
};

}  // namespace

ExtractResult ExtractMember(ByteSource& package, std::string_view memberName, std::string_view password,
                            MemberOutput& output)
{
    std::optional<DirectoryEntry> entry;
    ExtractResult result = ExtractResult::Failure;
    try {
        if (!StartsWithSk(package))
            return ExtractResult::Failure;
        const std::optional<uint32_t> directoryOffset = ReadDirectoryOffset(package);
        if (!directoryOffset)
            return ExtractResult::Failure;
        entry = FindMember(package, *directoryOffset, memberName);
        if (!entry || (entry->method != kMethodDeflated && entry->method != kMethodStored)) {
            return ExtractResult::Failure;
        }
        result = ExtractFound(package, *entry, password, output);
    } catch (...) {
        result = ExtractResult::Failure;  // also read and write errors, and running out of memory
    }
    return entry ? ApplyClosingRules(result, *entry, output) : result;
}

ExtractResult ExtractPackageMember(const std::string& packageFile, std::string_view memberName,
                                   const std::string& outputFile, std::string_view password)
{
    const File package = File::OpenRead(packageFile);
    if (!package)
        return ExtractResult::Failure;
    FileSource source(package);
    FileOutput output(outputFile);
    ExtractResult result = ExtractMember(source, memberName, password, output);
    if (!output.Close() && result == ExtractResult::MemberWritten)
        result = ExtractResult::Failure;
    if (result != ExtractResult::MemberWritten && output.Created())
        output.Delete();
    return result;
}

ExtractResult ExtractPackageMember(std::span<const uint8_t> package, std::string_view memberName,
                                   std::vector<uint8_t>& out, std::string_view password)
{
    MemorySource source(package);
    VectorOutput output(out);
    const ExtractResult result = ExtractMember(source, memberName, password, output);
    if (result != ExtractResult::MemberWritten)
        out.clear();
    return result;
}

}  // namespace ov
