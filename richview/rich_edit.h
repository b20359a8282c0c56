// TOvRichEdit: the rich text view with its properties and events published, so that stored
// layouts can create it by class name and set it up.
#pragma once

#include "richview/custom_rich_edit.h"

namespace ov {

class TOvRichEdit : public TOvCustomRichEdit {
    OV_CLASS(TOvRichEdit, TOvCustomRichEdit)

    explicit TOvRichEdit(TComponent* owner) : TOvCustomRichEdit(owner) {}
};

// A layout can name TOvRichEdit once its class information is built: a form's published field
// of this class does that (TClassBuilder::Field), and so does any call of StaticClass().

}  // namespace ov
