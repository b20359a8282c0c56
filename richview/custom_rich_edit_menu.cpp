// TOvCustomRichEdit's right-button menu: the verbs of a selected embedded object with its
// properties item, the view's own PopupMenu, or the fixed edit menu.
#include "richview/custom_rich_edit.h"

#include "framework/core/format.h"
#include "richview/hidden_popup.h"

namespace ov {

namespace {

// The object's verbs that belong on a container's menu, in the order the object gives them;
// the list ends at the first verb that does not.
std::vector<std::pair<LONG, std::wstring>> ContainerVerbs(IOleObject& object)
{
    std::vector<std::pair<LONG, std::wstring>> verbs;
    ComPtr<IEnumOLEVERB> enumerator;
    if (FAILED(object.EnumVerbs(enumerator.GetAddressOf())) || !enumerator)
        return verbs;
    OLEVERB verb{};
    ULONG fetched = 0;
    while (enumerator->Next(1, &verb, &fetched) == S_OK && fetched == 1) {
        std::wstring name = verb.lpszVerbName ? verb.lpszVerbName : L"";
        ::CoTaskMemFree(verb.lpszVerbName);
        if (verb.lVerb < 0 || !(verb.grfAttribs & OLEVERBATTRIB_ONCONTAINERMENU))
            break;
        verbs.emplace_back(verb.lVerb, std::move(name));
    }
    return verbs;
}

}  // namespace

TPopupMenu* TOvCustomRichEdit::GetPopupMenu()
{
    verbMenu_.reset();
    TPopupMenu* result = PopupMenu();
    if (autoVerbMenu_ && richEditOle_ && SelectionType() == SEL_OBJECT) {
        std::optional<TEmbeddedObject> object =
            GetEmbeddedObject(*richEditOle_.Get(), static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_NO_INTERFACES);
        if (object && !object->InPlaceActive())
            return BuildVerbMenu(result);
    }
    if (!result && useFixedPopup_)
        result = HiddenPopupObject().MenuFor(this, true);
    return result;
}

// The verb menu, or the assigned menu with the object's items appended (they belong to the verb
// menu and go with it).
TPopupMenu* TOvCustomRichEdit::BuildVerbMenu(TPopupMenu* assigned)
{
    std::optional<TEmbeddedObject> object =
        GetEmbeddedObject(*richEditOle_.Get(), static_cast<LONG>(REO_IOB_SELECTION), REO_GETOBJ_NO_INTERFACES);
    if (!object)
        return assigned;
    verbMenu_.reset(new TPopupMenu(nullptr));
    TPopupMenu* menu = verbMenu_.get();
    std::wstring typeName = object->UserType(USERCLASSTYPE_FULL);
    auto newItem = [menu](const std::wstring& caption) {
        auto item = new TMenuItem(menu);
        item->SetCaption(caption);
        return item;
    };

    auto verbs = ContainerVerbs(*object->Object());
    for (const auto& [number, name] : verbs) {
        TMenuItem* item = newItem(name);
        item->SetTag(number);
        item->SetDefault(number == 0);
        item->OnClick = TNotifyEvent(this, &TOvCustomRichEdit::VerbClick);
        menu->Items()->Add(item);
    }
    TMenuItem* properties = newItem(Format(L"%s Properties", {typeName}));
    properties->OnClick = TNotifyEvent(this, &TOvCustomRichEdit::PropertiesClick);

    if (assigned && assigned->Items()->Count() > 0) {
        assigned->Items()->Add(newItem(L"-"));
        assigned->Items()->Add(properties);
        if (!verbs.empty()) {
            TMenuItem* submenu = newItem(typeName);
            while (menu->Items()->Count() > 0) {
                TMenuItem* verb = menu->Items()->Items(0);
                menu->Items()->Remove(verb);
                submenu->Add(verb);
            }
            assigned->Items()->Add(submenu);
        }
        return assigned;
    }
    if (verbs.empty()) {
        verbMenu_.reset();
        return nullptr;
    }
    menu->Items()->Insert(0, properties);
    return menu;
}

void TOvCustomRichEdit::VerbClick(TObject* sender)
{
    auto item = dynamic_cast<TMenuItem*>(sender);
    if (item && richEditOle_)
        RunSelectedObjectVerb(*richEditOle_.Get(), Handle(), item->Tag());
}

void TOvCustomRichEdit::PropertiesClick(TObject*) { ObjectPropertiesDialog(); }

}  // namespace ov
