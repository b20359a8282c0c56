// What every overlay shares that is no template: handing the mouse on to another window.
#include "skin/engine/skin_overlay.h"

#include <windowsx.h>

namespace ov {

LRESULT SendAtMessagePos(HWND target, UINT msg, WPARAM keys, bool releaseCapture)
{
    DWORD at = ::GetMessagePos();
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ::ScreenToClient(target, &point);
    if (releaseCapture)
        ::ReleaseCapture();
    return ::SendMessageW(target, msg, keys, MAKELPARAM(point.x, point.y));
}

}  // namespace ov
