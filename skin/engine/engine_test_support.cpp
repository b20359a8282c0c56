// Shared pieces of the skin engine's tests.
#include "skin/engine/engine_test_support.h"

#include <chrono>

#include "framework/forms/application.h"
#include "framework/core/unicode.h"
#include "skin/data/skin_test_builders.h"

namespace ov::test {

std::string BuiltinSkinPath() { return testing::HostPath(OV_BUILTIN_SKIN_PATH); }

TkrvSkinReader& BuiltinSkin()
{
    static TkrvSkinReader reader(BuiltinSkinPath(), "");
    return reader;
}

void Pump(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        Application->ProcessMessages();
        ::Sleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

std::string FormLayout(int clientWidth, int clientHeight, std::string_view extra)
{
    return "object SkinTestForm: TForm\n  Left = 120\n  Top = 100\n  Caption = 'Skin test'\n  ClientWidth = " +
           std::to_string(clientWidth) + "\n  ClientHeight = " + std::to_string(clientHeight) +
           "\n  Position = poDesigned\n" + std::string(extra) + "end\n";
}

SkinnedForm::SkinnedForm(std::string_view formLayout, const std::string& skinFile, bool active)
{
    form_ = new TForm(Application);
    form_->InitForm(formLayout);
    engine_ = NewComponent<TkrvSkinEngine>(form_);
    engine_->SetSkinFile(Utf8ToWide(skinFile));
    engine_->SetActive(active);
    engine_->SkinMainForm(form_);
}

SkinnedForm::~SkinnedForm()
{
    form_->Free();
    Application->ProcessMessages();
}

void SkinnedForm::ShowInFront()
{
    form_->Show();
    ::SetForegroundWindow(form_->Handle());
    Pump(150);
}

}  // namespace ov::test
