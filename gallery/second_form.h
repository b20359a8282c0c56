// TSecondForm: a second framework form of the gallery (layout TSECONDFORM), shown modally, so
// that a skin author sees a framework dialog besides the main form.
#pragma once

#include "framework/forms/form.h"

namespace ov {

class TSecondForm : public TForm {
    OV_CLASS(TSecondForm, TForm)

    explicit TSecondForm(TComponent* owner) : TForm(owner) {}
};

}  // namespace ov
