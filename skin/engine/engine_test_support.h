// What the skin engine's tests share: a form skinned by an engine with the built-in skin (or a
// small skin made by the test), message pumping, and the skin's own pictures for comparing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/forms/form.h"
#include "skin/data/skin_reader_win.h"
#include "skin/engine/skin_engine.h"

namespace ov::test {

// The built-in package the build made.
std::string BuiltinSkinPath();
// The reader's copy of the built-in skin, for the expected pictures.
TkrvSkinReader& BuiltinSkin();

// Handles the thread's messages for about `ms` milliseconds.
void Pump(int ms = 50);

// A form read from a layout text, with an engine loading the skin file given and skinning the form
// as the program's main form does (Active unless said otherwise). Freed with the fixture.
class SkinnedForm {
public:
    explicit SkinnedForm(std::string_view formLayout, const std::string& skinFile = BuiltinSkinPath(),
                         bool active = true);
    ~SkinnedForm();
    SkinnedForm(const SkinnedForm&) = delete;
    SkinnedForm& operator=(const SkinnedForm&) = delete;

    [[nodiscard]] TForm* Form() const { return form_; }
    [[nodiscard]] TkrvSkinEngine* Engine() const { return engine_; }
    [[nodiscard]] HWND Window() const { return form_->Handle(); }
    // Shows the form in front and lets it paint.
    void ShowInFront();

private:
    TForm* form_ = nullptr;
    TkrvSkinEngine* engine_ = nullptr;
};

// A plain form layout of the given client size.
std::string FormLayout(int clientWidth, int clientHeight, std::string_view extra = {});

}  // namespace ov::test
