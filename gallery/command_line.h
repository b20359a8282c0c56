// The gallery's command line: an optional skin package to preview and its password.
//
//   ovalune-gallery.exe [PACKAGE.ssk] [--password PASSWORD | --password=PASSWORD]
#pragma once

#include <string>
#include <vector>

namespace ov::gallery {

struct TGalleryOptions {
    std::wstring SkinPackage;  // empty: the built-in skin
    std::wstring Password;     // for an encrypted package
    bool HasPassword = false;
    std::wstring Error;  // what was wrong with the command line, empty when nothing
};

// Reads the arguments after the program name.
TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& arguments);
// The process's own arguments (after the program name).
std::vector<std::wstring> ProcessArguments();
// What the window says about the skin: "built-in skin" or the package, and whether a password came.
std::wstring DescribeSkin(const TGalleryOptions& options);

}  // namespace ov::gallery
