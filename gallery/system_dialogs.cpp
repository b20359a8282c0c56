// Message box, open-file dialog and folder browser: thin calls into user32, comdlg32 and shell32.
#include "gallery/system_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

namespace ov::gallery {

int ShowGalleryMessageBox(HWND owner)
{
    return MessageBoxW(owner, L"A message box with an icon and two buttons.\nIs the skin drawn on it?", L"Skin gallery",
                       MB_OKCANCEL | MB_ICONINFORMATION);
}

std::wstring ChooseFileToOpen(HWND owner)
{
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"Skin packages (*.ssk)\0*.ssk\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Open a skin package";
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetOpenFileNameW(&dialog) ? file : L"";
}

std::wstring ChooseFolder(HWND owner)
{
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = L"Choose a folder";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    struct ItemListFreer {
        void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
    };
    std::unique_ptr<ITEMIDLIST, ItemListFreer> chosen(SHBrowseForFolderW(&browse));
    wchar_t path[MAX_PATH] = {};
    if (!chosen || !SHGetPathFromIDListW(chosen.get(), path))
        return L"";
    return path;
}

}  // namespace ov::gallery
