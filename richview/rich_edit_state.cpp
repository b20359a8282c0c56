// TOvRichEditState: the content goes into a memory stream (RTF, or UTF-16 plain text) and comes
// back from it, with the selection and the modified flag.
#include "richview/rich_edit_state.h"

#include "richview/custom_rich_edit.h"
#include "richview/rich_edit_strings.h"

namespace ov {

namespace {

// Lines' format and mode for one scope.
class StreamSettingsScope {
public:
    StreamSettingsScope(TOvRichEditStrings& lines, TRichStreamFormat format, TRichStreamModes mode)
        : lines_(lines), format_(lines.Format()), mode_(lines.Mode())
    {
        lines_.SetFormat(format);
        lines_.SetMode(mode);
    }
    ~StreamSettingsScope()
    {
        lines_.SetFormat(format_);
        lines_.SetMode(mode_);
    }
    StreamSettingsScope(const StreamSettingsScope&) = delete;
    StreamSettingsScope& operator=(const StreamSettingsScope&) = delete;

private:
    TOvRichEditStrings& lines_;
    TRichStreamFormat format_;
    TRichStreamModes mode_;
};

}  // namespace

TOvRichEditState::TOvRichEditState(TOvCustomRichEdit& view, bool forcePlainText)
{
    modified_ = view.Modified();
    CHARRANGE selection = view.GetSelection();
    selStart_ = selection.cpMin;
    selLength_ = selection.cpMax - selection.cpMin;
    TOvRichEditStrings& lines = *view.Lines();
    format_ = lines.Format();
    mode_ = lines.Mode();
    savedFormat_ = view.PlainText() || forcePlainText ? sfPlainText : sfRichText;
    StreamSettingsScope settings(lines, savedFormat_, {smUnicode});
    lines.SaveToStream(content_);
}

void TOvRichEditState::Restore(TOvCustomRichEdit& view)
{
    TOvRichEditStrings& lines = *view.Lines();
    {
        StreamSettingsScope settings(lines, savedFormat_, {smUnicode});
        content_.SetPosition(0);
        lines.LoadFromStream(content_);
    }
    lines.SetFormat(format_);
    lines.SetMode(mode_);
    view.SetSelection(selStart_, selStart_ + selLength_, false);
    view.SetModified(modified_);
}

}  // namespace ov
