// The gallery's command line, read from the process's wide arguments.
#include "gallery/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

namespace ov::gallery {

namespace {

constexpr std::wstring_view kPasswordOption = L"--password";

}  // namespace

TGalleryOptions ParseGalleryOptions(const std::vector<std::wstring>& arguments)
{
    TGalleryOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == kPasswordOption) {
            if (i + 1 == arguments.size()) {
                options.Error = L"--password needs a value";
                break;
            }
            options.Password = arguments[++i];
            options.HasPassword = true;
        } else if (argument.starts_with(std::wstring(kPasswordOption) + L"=")) {
            options.Password = argument.substr(kPasswordOption.size() + 1);
            options.HasPassword = true;
        } else if (argument.starts_with(L"--")) {
            options.Error = L"unknown option " + argument;
            break;
        } else if (options.SkinPackage.empty()) {
            options.SkinPackage = argument;
        } else {
            options.Error = L"more than one skin package given";
            break;
        }
    }
    return options;
}

std::vector<std::wstring> ProcessArguments()
{
    int count = 0;
    struct LocalFreer {
        void operator()(LPWSTR* p) const { LocalFree(p); }
    };
    std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> arguments;
    for (int i = 1; argv && i < count; ++i)
        arguments.emplace_back(argv.get()[i]);
    return arguments;
}

std::wstring DescribeSkin(const TGalleryOptions& options)
{
    if (options.SkinPackage.empty())
        return L"Skin: built-in skin";
    return L"Skin: " + options.SkinPackage + (options.HasPassword ? L" (with password)" : L"");
}

}  // namespace ov::gallery
