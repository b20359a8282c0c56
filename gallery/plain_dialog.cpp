// The plain dialog's procedure: fills the lists, tabs and tool bar the template cannot describe.
#include "gallery/plain_dialog.h"

#include <commctrl.h>

#include <initializer_list>

#include "gallery/plain_dialog_ids.h"

namespace ov::gallery {

namespace {

void AddComboLines(HWND combo)
{
    for (const wchar_t* line : {L"Red", L"Green", L"Blue"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
}

void AddComboExLines(HWND comboEx)
{
    const wchar_t* lines[] = {L"First line", L"Second line"};
    for (int i = 0; i < 2; ++i) {
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(lines[i]);
        SendMessageW(comboEx, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(comboEx, CB_SETCURSEL, 0, 0);
}

void AddTabs(HWND tabs)
{
    const wchar_t* captions[] = {L"General", L"Details", L"More"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    }
}

void AddToolButtons(HWND toolBar)
{
    SendMessageW(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const wchar_t* captions[] = {L"Cut", L"Copy", L"Paste"};
    TBBUTTON buttons[3]{};
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = 300 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        buttons[i].iString = reinterpret_cast<INT_PTR>(captions[i]);
    }
    SendMessageW(toolBar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
    SendMessageW(toolBar, TB_AUTOSIZE, 0, 0);
}

void Fill(HWND dialog)
{
    AddComboLines(GetDlgItem(dialog, IDC_PLAIN_COMBO_DROPDOWN));
    AddComboLines(GetDlgItem(dialog, IDC_PLAIN_COMBO_SIMPLE));
    AddComboExLines(GetDlgItem(dialog, IDC_PLAIN_COMBOEX));
    AddTabs(GetDlgItem(dialog, IDC_PLAIN_TABS));
    AddToolButtons(GetDlgItem(dialog, IDC_PLAIN_TOOLBAR));
    SendDlgItemMessageW(dialog, IDC_PLAIN_PROGRESS, PBM_SETPOS, 60, 0);
    CheckDlgButton(dialog, IDC_PLAIN_CHECK, BST_CHECKED);
    CheckRadioButton(dialog, IDC_PLAIN_RADIO1, IDC_PLAIN_RADIO2, IDC_PLAIN_RADIO1);
}

// Nothing here can throw: the procedure only sends messages.
INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        Fill(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR ShowPlainDialog(HWND owner)
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPlainDialogId), owner, PlainDialogProc, 0);
}

}  // namespace ov::gallery
