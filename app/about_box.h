// TAboutBox: the modal dialog naming the product and its version, with a link to the maker's home
// page. Built from the layout TABOUTBOX; created hidden at start-up and shown on demand.
#pragma once

#include "framework/forms/form.h"

namespace ov {

class TPanel;
class TImage;
class TLabel;
class TButton;

class TAboutBox : public TForm {
    OV_CLASS(TAboutBox, TForm)

    explicit TAboutBox(TComponent* owner);

    // Published components, filled by the layout reader by name (declaration order).
    TPanel* Panel1 = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* MakerLabel = nullptr;
    TLabel* Comments = nullptr;
    TButton* OKButton = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label1 = nullptr;

    // Opens the home page named by Label2 in the user's browser; the dialog stays open.
    void Label2Click(TObject* Sender);
};

// The About box, for the whole run.
extern TAboutBox* AboutBox;

}  // namespace ov
