// A form holding one rich text view, for the view's tests: OLE initialised for the thread, the
// form hidden, the view created from a stored layout as the reader creates its views.
#pragma once

#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "framework/forms/form.h"
#include "framework/core/streams.h"
#include "richview/rich_edit.h"
#include "richview/rich_edit_strings.h"
#include "richview/test_windows.h"

namespace ov::testing {

// OLE for the whole test program, as the reader initialises it at start-up.
class OleEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ::OleInitialize(nullptr); }
    void TearDown() override { ::OleUninitialize(); }
};

// The view as the reader's layout stores it (position, anchors, border, font, read-only).
inline std::string ViewLayout(bool readOnly)
{
    return std::string(
               "object ViewForm: TForm\n"
               "  Left = 10\n"
               "  Top = 10\n"
               "  ClientHeight = 300\n"
               "  ClientWidth = 400\n"
               "  object OvRichEdit1: TOvRichEdit\n"
               "    Left = 4\n"
               "    Top = 3\n"
               "    Width = 380\n"
               "    Height = 280\n"
               "    Anchors = [akLeft, akTop, akRight, akBottom]\n"
               "    BorderStyle = bsNone\n"
               "    Font.Charset = GB2312_CHARSET\n"
               "    Font.Color = clWindowText\n"
               "    Font.Height = -11\n"
               "    Font.Name = 'Tahoma'\n"
               "    Font.Style = []\n"
               "    ParentFont = False\n"
               "    ReadOnly = ") +
           (readOnly ? "True" : "False") +
           "\n"
           "    TabOrder = 0\n"
           "  end\n"
           "end\n";
}

inline TMemoryStream MemoryStreamOf(std::string_view bytes)
{
    return TMemoryStream(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

struct ViewTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TOvRichEdit* view = nullptr;

    void MakeView(bool readOnly)
    {
        TOvRichEdit::StaticClass();  // as the reader's form does through its published field
        form->InitForm(ViewLayout(readOnly));
        view = dynamic_cast<TOvRichEdit*>(form->FindComponent(L"OvRichEdit1"));
        ASSERT_NE(view, nullptr);
    }
    void SetUp() override { MakeView(false); }

    void Load(std::string_view bytes)
    {
        TMemoryStream stream = MemoryStreamOf(bytes);
        view->Lines()->LoadFromStream(stream);
    }
    [[nodiscard]] std::wstring Text() const { return WholeText(view->Handle()); }
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(view->Handle(), msg, wParam, lParam);
    }
};

}  // namespace ov::testing
