// TAboutBox: the dialog's published parts and its one action, opening the home page.
#include "app/about_box.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/controls/button.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"

namespace ov {

TAboutBox* AboutBox = nullptr;

const TClassInfo& TAboutBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TAboutBox>(L"TAboutBox", TForm::StaticClass())
                                        .Creatable()
                                        .Field(L"Panel1", &TAboutBox::Panel1)
                                        .Field(L"ProgramIcon", &TAboutBox::ProgramIcon)
                                        .Field(L"ProductName", &TAboutBox::ProductName)
                                        .Field(L"MakerLabel", &TAboutBox::MakerLabel)
                                        .Field(L"Comments", &TAboutBox::Comments)
                                        .Field(L"OKButton", &TAboutBox::OKButton)
                                        .Field(L"Label2", &TAboutBox::Label2)
                                        .Field(L"Label3", &TAboutBox::Label3)
                                        .Field(L"Label4", &TAboutBox::Label4)
                                        .Field(L"Label1", &TAboutBox::Label1)
                                        .Method(L"Label2Click", &TAboutBox::Label2Click)
                                        .Build();
    return info;
}

TAboutBox::TAboutBox(TComponent* owner) : TForm(owner) {}

// The shell picks the browser; when it cannot open the address nothing is reported.
void TAboutBox::Label2Click(TObject* Sender)
{
    std::wstring address = Label2->Caption();
    ShellExecuteW(Handle(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace ov
