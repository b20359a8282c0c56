// TOvRichEditState: what a view's window holds (content, selection, modified flag), kept while
// the window is destroyed and made again.
#pragma once

#include <optional>
#include <vector>

#include "framework/core/streams.h"
#include "richview/ole_objects.h"
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
    // Wine's RTF writer stops at the first embedded object without reporting an error. When the
    // saved RTF ends early, the content is kept in pieces instead: the RTF of the text between
    // the objects, and the objects themselves, which move into the new window.
    struct Piece {
        TMemoryStream rtf;                      // empty for no text before the object
        std::optional<TEmbeddedObject> object;  // none after the last piece of text
    };
    void SavePieces(TOvCustomRichEdit& view);
    void RestorePieces(TOvCustomRichEdit& view);

    bool modified_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    TRichStreamFormat format_ = sfDefault;  // in force before saving
    TRichStreamModes mode_;
    TRichStreamFormat savedFormat_ = sfRichText;  // the content's own
    TMemoryStream content_;
    std::vector<Piece> pieces_;
};

}  // namespace ov
