// The gallery's command line: a package, a password in either spelling, and the mistakes it
// reports instead of guessing.
#include "gallery/command_line.h"

#include <gtest/gtest.h>

namespace ov::gallery {
namespace {

TEST(GalleryCommandLine, NothingMeansTheBuiltInSkin)
{
    TGalleryOptions options = ParseGalleryOptions({});
    EXPECT_TRUE(options.SkinPackage.empty());
    EXPECT_FALSE(options.HasPassword);
    EXPECT_TRUE(options.Error.empty());
    EXPECT_EQ(DescribeSkin(options), L"Skin: built-in skin");
}

TEST(GalleryCommandLine, APackageWithAPasswordInEitherSpelling)
{
    for (const std::vector<std::wstring>& arguments :
         {std::vector<std::wstring>{L"C:\\skins\\blue.ssk", L"--password", L"s3cret"},
          std::vector<std::wstring>{L"--password=s3cret", L"C:\\skins\\blue.ssk"}}) {
        TGalleryOptions options = ParseGalleryOptions(arguments);
        EXPECT_EQ(options.SkinPackage, L"C:\\skins\\blue.ssk");
        EXPECT_TRUE(options.HasPassword);
        EXPECT_EQ(options.Password, L"s3cret");
        EXPECT_TRUE(options.Error.empty());
        // The password itself is never shown.
        EXPECT_EQ(DescribeSkin(options), L"Skin: C:\\skins\\blue.ssk (with password)");
    }
    // An empty password is a password.
    EXPECT_TRUE(ParseGalleryOptions({L"--password="}).HasPassword);
}

TEST(GalleryCommandLine, MistakesAreReported)
{
    EXPECT_EQ(ParseGalleryOptions({L"a.ssk", L"--password"}).Error, L"--password needs a value");
    EXPECT_EQ(ParseGalleryOptions({L"--colour=red"}).Error, L"unknown option --colour=red");
    EXPECT_EQ(ParseGalleryOptions({L"a.ssk", L"b.ssk"}).Error, L"more than one skin package given");
}

}  // namespace
}  // namespace ov::gallery
