// TOvRichEditState: what a view's window holds (content, selection, modified flag), kept while
// the window is destroyed and made again.
#pragma once

#include "framework/streams.h"
#include "richview/rich_edit_types.h"

namespace ov {

class TOvCustomRichEdit;

class TOvRichEditState {
public:
    // Records the view's state from its window; forcePlainText saves the content as plain text
    // even when the view works with rich text.
    TOvRichEditState(TOvCustomRichEdit& view, bool forcePlainText);

    // Puts the recorded state into the view's (new) window.
    void Restore(TOvCustomRichEdit& view);

private:
    bool modified_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    TRichStreamFormat format_ = sfDefault;  // in force before saving
    TRichStreamModes mode_;
    TRichStreamFormat savedFormat_ = sfRichText;  // the content's own
    TMemoryStream content_;
};

}  // namespace ov
