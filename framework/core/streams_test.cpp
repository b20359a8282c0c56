// Tests of the streams: memory stream growth and seeking, file stream errors, and resource streams
// reading in place from a module built by the test (a copy of this program with added resources).
#include "framework/core/exception.h"
#include "framework/core/file_stream.h"
#include "framework/core/handle.h"
#include "framework/core/resource_stream.h"
#include "framework/core/streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ov {
namespace {

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name + std::to_wstring(::GetCurrentProcessId());
}

// A file deleted at scope end.
struct TempFile {
    std::wstring path;
    ~TempFile() { ::DeleteFileW(path.c_str()); }
};

TEST(MemoryStream, WritesGrowSeeksClampAndReadsStopAtTheEnd)
{
    TMemoryStream stream;
    stream.WriteBuffer("hello", 5);
    stream.Seek(10, soBeginning);
    stream.WriteBuffer("!", 1);  // writing past the end fills the gap
    EXPECT_EQ(stream.Size(), 11);
    EXPECT_EQ(stream.Memory()[7], 0);
    EXPECT_EQ(stream.Seek(-100, soCurrent), 0);
    char buffer[16] = {};
    EXPECT_EQ(stream.Read(buffer, 16), 11);
    EXPECT_EQ(stream.Read(buffer, 16), 0);
    stream.SetPosition(8);
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), Exception);
    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3);
}

TEST(MemoryStream, CopyFromZeroCopiesTheWholeSource)
{
    std::vector<std::uint8_t> bytes(200000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    TMemoryStream source(bytes);
    source.SetPosition(500);
    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(source, 0), 200000);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), copy.Bytes().begin()));
}

TEST(FileStream, RoundTripAndMissingFileMessage)
{
    TempFile file{TempPath(L"ovfs")};
    {
        TFileStream out(file.path, fmCreate);
        out.WriteBuffer("abcdef", 6);
        out.SetSize(4);
    }
    TMemoryStream in;
    in.LoadFromFile(file.path);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(in.Memory()), 4), "abcd");
    try {
        TFileStream missing(file.path + L".none", fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind(L"Cannot open file \"" + file.path + L".none\". ", 0), 0u) << e.what();
    }
}

// This program copied to a temporary file with RT_RCDATA "RTF_5" and a custom-typed resource
// added, loaded as a data file.
class ResourceModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t self[MAX_PATH];
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        ASSERT_TRUE(::CopyFileW(self, copy_.path.c_str(), FALSE));
        HANDLE update = ::BeginUpdateResourceW(copy_.path.c_str(), FALSE);
        ASSERT_TRUE(update);
        payload_.resize(300000);
        for (size_t i = 0; i < payload_.size(); ++i)
            payload_[i] = static_cast<char>('a' + i % 26);
        ::UpdateResourceW(update, RT_RCDATA, L"RTF_5", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), payload_.data(),
                          static_cast<DWORD>(payload_.size()));
        ::UpdateResourceW(update, L"SKIN", MAKEINTRESOURCEW(7), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                          const_cast<char*>("seven"), 5);
        ASSERT_TRUE(::EndUpdateResourceW(update, FALSE));
        module_.reset(::LoadLibraryExW(copy_.path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(module_);
    }

    TempFile copy_{TempPath(L"ovres") + L".exe"};
    UniqueModule module_;
    std::string payload_;
};

TEST_F(ResourceModule, ReadsInPlaceFoundByNameIgnoringCase)
{
    TResourceStream first(module_.get(), L"rtf_5");
    TResourceStream second(module_.get(), L"Rtf_5", RT_RCDATA);
    ASSERT_EQ(first.Size(), static_cast<std::int64_t>(payload_.size()));
    // Both streams point at the same bytes: the module's own, not a copy per stream.
    EXPECT_EQ(first.Memory(), second.Memory());
    std::string read(payload_.size(), '\0');
    first.ReadBuffer(read.data(), static_cast<std::int64_t>(read.size()));
    EXPECT_EQ(read, payload_);
    EXPECT_THROW(first.WriteBuffer("x", 1), Exception);

    TResourceStream numbered = TResourceStream::FromId(module_.get(), 7, L"SKIN");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(numbered.Memory()), 5), "seven");
}

TEST_F(ResourceModule, MissingResourceRaisesTheFormattedName)
{
    try {
        TResourceStream missing(module_.get(), L"rtf_4");
        FAIL() << "found a missing resource";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Resource rtf_4 not found");
    }
    try {
        TResourceStream wrongType(module_.get(), L"rtf_5", RT_BITMAP);
        FAIL() << "found a resource of another type";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Resource rtf_5 not found");
    }
}

}  // namespace
}  // namespace ov
