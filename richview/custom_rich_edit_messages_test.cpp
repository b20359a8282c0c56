// The view's message handling on a real form: read-only views, clipboard command gating, link
// clicks, the double-click the reader sends, the right-button menu request, replacing the
// selection, notifications.
#include "richview/custom_rich_edit.h"

#include <gtest/gtest.h>

#include "richview/rich_edit_attributes.h"
#include "richview/rtf_samples.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using ViewMessages = testing::ViewTest;

void PutOnClipboard(const std::wstring& text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

// Typing, pasting and deleting the way a user does it.
void TypePasteDelete(TOvRichEdit& view)
{
    HWND window = view.Handle();
    view.SetSelection(0, 0, false);
    ::SendMessageW(window, WM_CHAR, L'x', 1);
    PutOnClipboard(L"pasted");
    ::SendMessageW(window, WM_PASTE, 0, 0);
    view.SetSelection(0, 2, false);
    ::SendMessageW(window, WM_KEYDOWN, VK_DELETE, 1);
    ::SendMessageW(window, WM_KEYUP, VK_DELETE, 1);
}

TEST_F(ViewMessages, ReadOnlyViewRefusesTypingPastingAndDeleting)
{
    form.reset(new TForm(nullptr));
    MakeView(true);
    Load("{\\rtf1 chapter text}");
    TypePasteDelete(*view);
    EXPECT_EQ(Text(), L"chapter text");
    view->SetSelection(0, 3, false);
    Send(WM_CLEAR);
    Send(WM_CUT);
    EXPECT_EQ(Text(), L"chapter text");
}

TEST_F(ViewMessages, EditableViewTakesTypingPastingAndDeleting)
{
    Load("{\\rtf1 chapter text}");
    TypePasteDelete(*view);
    // "x" typed, "pasted" pasted behind it, then the first two characters deleted.
    EXPECT_EQ(Text(), L"astedchapter text");
    EXPECT_TRUE(view->Modified());
}

TEST_F(ViewMessages, CommandsNotAllowedAnswerOneAndChangeNothing)
{
    Load("{\\rtf1 chapter text}");
    view->SetClipboardCommands({});
    PutOnClipboard(L"kept");
    view->SetSelection(0, 7, false);
    for (UINT msg : std::initializer_list<UINT>{WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, WM_UNDO, EM_UNDO})
        EXPECT_EQ(Send(msg), 1) << msg;
    EXPECT_EQ(Text(), L"chapter text");
    EXPECT_EQ(ClipboardText(), L"kept");

    // The control's own clipboard keys are kept from it as well.
    ::SetFocus(view->Handle());
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    Send(WM_KEYDOWN, 'C', 1);
    Send(WM_KEYDOWN, 'X', 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(ClipboardText(), L"kept");
    EXPECT_EQ(Text(), L"chapter text");

    view->SetClipboardCommands({caCopy});
    Send(WM_COPY);
    EXPECT_EQ(ClipboardText(), L"chapter");
    EXPECT_EQ(Send(WM_PASTE), 1);
    EXPECT_EQ(Text(), L"chapter text");
}

class LinkClicks : public testing::ViewTest {
protected:
    void SetUp() override
    {
        testing::ViewTest::SetUp();
        form->Show();
        Load("{\\rtf1 see http://one.example/ and http://two.example/ here}");
        view->OnURLClick = [this](TObject*, const std::wstring& url, TMouseButton button) {
            clicks.push_back({url, button});
        };
    }
    void TearDown() override { form->Hide(); }

    // The client point of the middle of the character at `position`.
    LPARAM PointOf(int position)
    {
        POINTL point{};
        Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), position);
        return MAKELPARAM(point.x + 2, point.y + 4);
    }

    struct Click {
        std::wstring url;
        TMouseButton button;
    };
    std::vector<Click> clicks;
    static constexpr int kFirstLink = 6;    // inside "http://one.example/"
    static constexpr int kSecondLink = 30;  // inside "http://two.example/"
};

TEST_F(LinkClicks, PressAndReleaseOnOneLinkFiresOnce)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(kFirstLink));
    Send(WM_LBUTTONUP, 0, PointOf(kFirstLink));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].url, L"http://one.example/");
    EXPECT_EQ(clicks[0].button, mbLeft);
}

TEST_F(LinkClicks, PressOnOneAndReleaseOnAnotherFiresNothing)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PointOf(kFirstLink));
    Send(WM_LBUTTONUP, 0, PointOf(kSecondLink));
    EXPECT_TRUE(clicks.empty());
    // A release away from the press forgets it: a later release on the first link alone is no click.
    Send(WM_LBUTTONUP, 0, PointOf(kFirstLink));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ViewMessages, DoubleClickRunsTheFrameworksPathWithoutCapture)
{
    std::vector<std::string> events;
    view->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
    view->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
        events.push_back(shift.Contains(ssDouble) && button == mbLeft ? "down-double" : "down");
    };
    Load("{\\rtf1 word another}");
    Send(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"dblclick", "down-double"}));
    ::ReleaseCapture();
}

TEST_F(ViewMessages, RightButtonReleaseAsksForOneMenu)
{
    form->Show();
    int requests = 0;
    view->OnContextPopup = [&](TObject*, POINT, bool& handled) {
        ++requests;
        handled = true;
    };
    // The request carries the cursor's position; other programs on the same display may move the
    // cursor meanwhile, so a click counts only when the cursor stayed where it was put.
    POINT center = view->ClientToScreen(POINT{50, 50});
    bool steady = false;
    for (int attempt = 0; attempt < 5 && !steady; ++attempt) {
        requests = 0;
        ::SetCursorPos(center.x, center.y);
        Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50));
        Send(WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
        POINT after{};
        ::GetCursorPos(&after);
        steady = after.x == center.x && after.y == center.y;
    }
    if (!steady)
        GTEST_SKIP() << "the cursor would not stay put";
    EXPECT_EQ(requests, 1);
    form->Hide();
}

TEST_F(ViewMessages, ReplacedSelectionIsSelectedAndLinesLeaveTheCaretBehind)
{
    Load("{\\rtf1 one two}");
    view->SetSelection(4, 7, false);
    view->SetSelText(L"three");
    CHARRANGE selection = view->Selection();
    EXPECT_EQ(selection.cpMin, 4);
    EXPECT_EQ(selection.cpMax, 9);
    EXPECT_EQ(Text(), L"one three");
    EXPECT_TRUE(Send(EM_CANUNDO));

    view->Lines()->Put(0, L"first");
    selection = view->Selection();
    EXPECT_EQ(selection.cpMin, 5);
    EXPECT_EQ(selection.cpMax, 5);
}

TEST_F(ViewMessages, NotificationsBecomeEvents)
{
    int selectionChanges = 0;
    view->OnSelectionChange = [&](TObject*) { ++selectionChanges; };
    int changes = 0;
    view->OnChange = [&](TObject*) { ++changes; };
    Load("{\\rtf1 some text}");
    selectionChanges = changes = 0;
    view->SetSelection(1, 3, false);
    EXPECT_GT(selectionChanges, 0);
    view->SetSelText(L"X");
    EXPECT_GT(changes, 0);

    // Protected text changes only when a handler allows it: the view answers the control's
    // question (Wine's control does not ask, so the question is put as the control puts it).
    ENPROTECTED request{};
    request.nmhdr = {view->Handle(), 0, EN_PROTECTED};
    request.msg = WM_CHAR;
    request.chrg = {1, 2};
    auto ask = [&] { return ::SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)); };
    EXPECT_EQ(ask(), 1);  // refused without a handler
    int asked = 0;
    view->OnProtectChange = [&](TObject*, int start, int end, bool& allow) {
        ++asked;
        allow = start == 1 && end == 2;
    };
    EXPECT_EQ(ask(), 0);
    UINT seen = 0;
    view->OnProtectChangeEx = [&](TObject*, const TMessage& message, int, int, bool& allow) { seen = message.Msg; };
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(seen, UINT(WM_CHAR));
    EXPECT_EQ(asked, 1);  // the extended event is asked instead
}

}  // namespace
}  // namespace ov
