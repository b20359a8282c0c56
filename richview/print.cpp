// Printing a view's whole text on the default printer, page by page through EM_FORMATRANGE.
#include <windows.h>
#include <commdlg.h>
#include <richedit.h>

#include "framework/core/exception.h"
#include "framework/core/handle.h"
#include "richview/custom_rich_edit.h"

namespace ov {

namespace {

// The default printer's DC; the dialog's device blocks are given back at once.
UniqueDC DefaultPrinterDC()
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgW(&dialog) || !dialog.hDC)
        throw Exception(L"There is no default printer currently selected");
    if (dialog.hDevMode)
        ::GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        ::GlobalFree(dialog.hDevNames);
    return UniqueDC(dialog.hDC);
}

// Ends the document (or aborts it after a failure) on every way out.
class PrintJob {
public:
    PrintJob(HDC printer, const std::wstring& title) : printer_(printer)
    {
        DOCINFOW info{};
        info.cbSize = sizeof(info);
        info.lpszDocName = title.c_str();
        if (::StartDocW(printer, &info) <= 0)
            throw Exception(L"Printing could not start");
    }
    ~PrintJob()
    {
        if (finished_)
            ::EndDoc(printer_);
        else
            ::AbortDoc(printer_);
    }
    void Finish() { finished_ = true; }

private:
    HDC printer_;
    bool finished_ = false;
};

int ToTwips(int pixels, int pixelsPerInch) { return ::MulDiv(pixels, 1440, pixelsPerInch); }

}  // namespace

void TOvCustomRichEdit::Print(const std::wstring& documentTitle)
{
    HWND window = Handle();
    UniqueDC printer = DefaultPrinterDC();
    HDC dc = printer.get();
    int dpiX = ::GetDeviceCaps(dc, LOGPIXELSX), dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
    RECT page{0, 0, ::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, VERTRES)};
    if (!::IsRectEmpty(&pageRect_))
        page = pageRect_;
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = dc;
    range.rcPage = {ToTwips(page.left, dpiX), ToTwips(page.top, dpiY), ToTwips(page.right, dpiX),
                    ToTwips(page.bottom, dpiY)};
    int length = TextLength();

    PrintJob job(dc, documentTitle);
    LONG next = 0;
    do {
        if (::StartPage(dc) <= 0)
            break;
        range.rc = range.rcPage;
        range.chrg = {next, -1};
        LONG printed =
            static_cast<LONG>(::SendMessageW(window, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        ::EndPage(dc);
        if (printed <= next)
            break;
        next = printed;
    } while (next < length);
    ::SendMessageW(window, EM_FORMATRANGE, FALSE, 0);
    job.Finish();
}

}  // namespace ov
