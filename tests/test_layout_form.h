// The fixture of tests that build a form from a stored layout, show it in front and give its
// controls real input: the form, a way to find its components by name, and the pointer put back
// where it was afterwards. Header-only; used by tests only.
#pragma once

#include <gtest/gtest.h>

#include "framework/forms/form.h"
#include "tests/test_input.h"

namespace ov::testing {

class TLayoutFormTest : public ::testing::Test {
protected:
    // Reads the layout into the form, shows it and brings it to the front.
    void Open(const char* layout)
    {
        form->InitForm(layout);
        form->Show();
        ::SetForegroundWindow(form->Handle());
        PumpInput();
    }
    // The form's component of that name and class; a failure when there is none.
    template <typename T>
    T* Find(const wchar_t* name)
    {
        auto found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr);
        return found;
    }

    TPointerKeeper pointer;
    TComponentPtr<TForm> form{new TForm(nullptr)};
};

}  // namespace ov::testing
