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

// Whether saved RTF ends as a document does, with its closing brace (before any line break or NUL).
bool EndsComplete(const TMemoryStream& rtf)
{
    auto bytes = rtf.Bytes();
    size_t end = bytes.size();
    while (end > 0 &&
           (bytes[end - 1] == '\r' || bytes[end - 1] == '\n' || bytes[end - 1] == 0 || bytes[end - 1] == ' '))
        --end;
    return end > 0 && bytes[end - 1] == '}';
}

}  // namespace

TOvRichEditState::TOvRichEditState(TOvCustomRichEdit& view, bool forcePlainText)
{
    modified_ = view.Modified();
    CHARRANGE selection = view.Selection();
    selStart_ = selection.cpMin;
    selLength_ = selection.cpMax - selection.cpMin;
    TOvRichEditStrings& lines = *view.Lines();
    format_ = lines.Format();
    mode_ = lines.Mode();
    savedFormat_ = view.PlainText() || forcePlainText ? sfPlainText : sfRichText;
    {
        StreamSettingsScope settings(lines, savedFormat_, {smUnicode});
        lines.SaveToStream(content_);
    }
    IRichEditOle* ole = view.RichEditOle();
    if (savedFormat_ == sfRichText && ole && ole->GetObjectCount() > 0 && !EndsComplete(content_))
        SavePieces(view);
}

void TOvRichEditState::SavePieces(TOvCustomRichEdit& view)
{
    TOvRichEditStrings& lines = *view.Lines();
    StreamSettingsScope settings(lines, sfRichText, {smSelection});
    IRichEditOle& ole = *view.RichEditOle();
    int start = 0;
    LONG count = ole.GetObjectCount();
    for (LONG index = 0; index <= count; ++index) {
        std::optional<TEmbeddedObject> object;
        if (index < count)
            object = GetEmbeddedObject(ole, index, REO_GETOBJ_PSTG);
        if (index < count && !object)
            continue;
        int end = object ? object->Record().cp : view.TextLength();
        Piece& piece = pieces_.emplace_back();
        if (end > start) {
            view.SetSelection(start, end, false);
            lines.SaveToStream(piece.rtf);
        }
        piece.object = std::move(object);
        start = end + 1;
    }
}

void TOvRichEditState::Restore(TOvCustomRichEdit& view)
{
    TOvRichEditStrings& lines = *view.Lines();
    if (!pieces_.empty()) {
        RestorePieces(view);
    } else {
        StreamSettingsScope settings(lines, savedFormat_, {smUnicode});
        content_.SetPosition(0);
        lines.LoadFromStream(content_);
    }
    lines.SetFormat(format_);
    lines.SetMode(mode_);
    view.SetSelection(selStart_, selStart_ + selLength_, false);
    view.SetModified(modified_);
}

// Each piece of text is read in at the end of what is there, each object inserted behind it.
void TOvRichEditState::RestorePieces(TOvCustomRichEdit& view)
{
    TOvRichEditStrings& lines = *view.Lines();
    StreamSettingsScope settings(lines, sfRichText, {smSelection});
    ::SendMessageW(view.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    IRichEditOle* ole = view.RichEditOle();
    ComPtr<IOleClientSite> site;
    if (ole)
        ole->GetClientSite(site.GetAddressOf());
    for (Piece& piece : pieces_) {
        if (piece.rtf.Size() > 0) {
            int end = view.TextLength();
            view.SetSelection(end, end, false);
            piece.rtf.SetPosition(0);
            lines.LoadFromStream(piece.rtf);
        }
        if (!piece.object || !ole || !site)
            continue;
        int end = view.TextLength();
        view.SetSelection(end, end, false);
        REOBJECT record = piece.object->Record();
        record.cbStruct = sizeof(record);
        record.cp = static_cast<LONG>(REO_CP_SELECTION);
        record.polesite = site.Get();
        record.dwFlags &= REO_READWRITEMASK;
        record.poleobj->SetClientSite(site.Get());
        ole->InsertObject(&record);
    }
    pieces_.clear();
}

}  // namespace ov
