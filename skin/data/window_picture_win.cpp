// Device contexts of windows and the copy of finished pictures onto them.
#include "skin/data/window_picture_win.h"

namespace ov {

UniqueWindowDC WindowAreaDC(HWND window, WindowArea area)
{
    HDC dc = area == WindowArea::Whole ? ::GetWindowDC(window) : ::GetDC(window);
    return UniqueWindowDC(dc, handle_traits::WindowDC{window});
}

void CopyPicture(const TBitmap& picture, HDC target, POINT at)
{
    ::BitBlt(target, at.x, at.y, picture.Width(), picture.Height(), picture.SourceDC(), 0, 0, SRCCOPY);
}

void CopyPicturePart(const TBitmap& picture, HDC target, const RECT& part)
{
    ::BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, picture.SourceDC(), part.left,
             part.top, SRCCOPY);
}

void CopyToWindow(const TBitmap& picture, HWND window, WindowArea area, POINT at)
{
    if (!window)
        return;
    if (UniqueWindowDC dc = WindowAreaDC(window, area))
        CopyPicture(picture, dc.get(), at);
}

}  // namespace ov
