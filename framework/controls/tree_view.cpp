// TCustomTreeView: the node tree, its mirror in SysTreeView32 (each window item carries its node
// in lParam), and the selection and expansion notifications.
#include "framework/controls/tree_view.h"

#include <algorithm>

#include "framework/core/filer.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

// --- nodes -------------------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::wstring text)
    : owner_(owner), parent_(parent), text_(std::move(text))
{
}

TTreeNode::~TTreeNode() = default;

int TTreeNode::Index() const
{
    auto& siblings = owner_.Siblings(parent_);
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const { return parent_ ? parent_->Level() + 1 : 0; }

void TTreeNode::SetText(const std::wstring& value)
{
    text_ = value;
    owner_.view_.SendNode(*this);
}

void TTreeNode::SetImageIndex(int value)
{
    imageIndex_ = value;
    owner_.view_.SendNode(*this);
}

void TTreeNode::SetSelectedIndex(int value)
{
    selectedIndex_ = value;
    owner_.view_.SendNode(*this);
}

// Expanding in code fires no events (Windows sends no notification for TVM_EXPAND; Wine does,
// and the view ignores those).
void TTreeNode::SetExpanded(bool value)
{
    expanded_ = value;
    if (!item_)
        return;
    owner_.view_.expandingInCode_ = true;
    owner_.view_.Send(TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
    owner_.view_.expandingInCode_ = false;
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (auto& child : children_)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (auto& child : children_)
            child->Collapse(true);
}

bool TTreeNode::Selected() const { return owner_.view_.Selected() == this; }

void TTreeNode::SetSelected(bool value)
{
    if (value)
        owner_.view_.SetSelected(this);
    else if (Selected())
        owner_.view_.SetSelected(nullptr);
}

// --- the node list -----------------------------------------------------------------------------------

const TClassInfo& TTreeNodes::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTreeNodes>(L"TTreeNodes", TPersistent::StaticClass()).Build();
    return info;
}

TTreeNodes::TTreeNodes(TCustomTreeView& view) : view_(view) {}

TTreeNodes::~TTreeNodes() = default;

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::Siblings(TTreeNode* parent)
{
    return parent ? parent->children_ : roots_;
}

int TTreeNodes::Count() const
{
    int count = 0;
    for (int i = 0; Item(i); ++i)
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const
{
    // Tree order: walk down first, then along, then back up.
    std::vector<const std::vector<std::unique_ptr<TTreeNode>>*> levels{&roots_};
    std::vector<size_t> places{0};
    while (!levels.empty()) {
        auto& nodes = *levels.back();
        size_t& place = places.back();
        if (place >= nodes.size()) {
            levels.pop_back();
            places.pop_back();
            continue;
        }
        TTreeNode* node = nodes[place++].get();
        if (index-- == 0)
            return node;
        levels.push_back(&node->children_);
        places.push_back(0);
    }
    return nullptr;
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::wstring& text)
{
    auto& siblings = Siblings(parent);
    siblings.push_back(std::make_unique<TTreeNode>(*this, parent, text));
    TTreeNode* node = siblings.back().get();
    if (view_.HandleAllocated() && (!parent || parent->item_))
        view_.InsertNode(*node);
    return node;
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node)
        return;
    for (TTreeNode* n = view_.selected_; n; n = n->parent_)
        if (n == node)
            view_.selected_ = nullptr;  // the selection goes with the node
    if (node->item_)
        view_.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
    auto& siblings = Siblings(node->parent_);
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [node](auto& n) { return n.get() == node; }));
}

void TTreeNodes::Clear()
{
    view_.selected_ = nullptr;
    if (view_.HandleAllocated())
        view_.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    roots_.clear();
}

void TTreeNodes::ReadNodes(const std::vector<std::wstring>& lines)
{
    Clear();
    std::vector<TTreeNode*> path;  // the last node of each level
    for (const std::wstring& line : lines) {
        size_t spaces = line.find_first_not_of(L' ');
        if (spaces == std::wstring::npos)
            continue;
        size_t level = std::min(spaces / 2, path.size());
        path.resize(level);
        path.push_back(AddChild(level ? path[level - 1] : nullptr, line.substr(spaces)));
    }
}

void TTreeNodes::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(L"Nodes",
                         [this](const TValue& value) { ReadNodes(FromValue<std::vector<std::wstring>>(value)); });
}

// --- the view ----------------------------------------------------------------------------------------

const TClassInfo& TCustomTreeView::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomTreeView>(L"TCustomTreeView", TWinControl::StaticClass())
            .Property(L"HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection)
            .Property(L"Images", &TCustomTreeView::Images, &TCustomTreeView::SetImages)
            .Property(L"Items", &TCustomTreeView::Items)
            .Property(L"ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly)
            .Property(L"RowSelect", &TCustomTreeView::RowSelect, &TCustomTreeView::SetRowSelect)
            .Property(L"ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons)
            .Property(L"ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines)
            .Property(L"ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot)
            .Event(L"OnChange", &TCustomTreeView::OnChange)
            .Event(L"OnCollapsed", &TCustomTreeView::OnCollapsed)
            .Event(L"OnCollapsing", &TCustomTreeView::OnCollapsing)
            .Event(L"OnExpanded", &TCustomTreeView::OnExpanded)
            .Event(L"OnExpanding", &TCustomTreeView::OnExpanding)
            .Build();
    return info;
}

const TClassInfo& TTreeView::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TTreeView>(L"TTreeView", TCustomTreeView::StaticClass()).Creatable().Build();
    return info;
}

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(*this))
{
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
    imageChangeLink_.OnChange = TNotifyEvent(this, &TCustomTreeView::ImageListChange);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, WC_TREEVIEWW);
    params.Style |= (showButtons_ ? TVS_HASBUTTONS : 0) | (showLines_ ? TVS_HASLINES : 0) |
                    (showRoot_ ? TVS_LINESATROOT : 0) | (readOnly_ ? 0 : TVS_EDITLABELS) |
                    (hideSelection_ ? 0 : TVS_SHOWSELALWAYS) | (rowSelect_ ? TVS_FULLROWSELECT : 0);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd()
{
    TWinControl::CreateWnd();
    if (images_)
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_->Handle()));
    filling_ = true;
    for (auto& root : items_->roots_)
        InsertNode(*root);
    filling_ = false;
    if (selected_)
        Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->item_));
}

void TCustomTreeView::DestroyWnd()
{
    if (HandleAllocated())
        selected_ = Selected();
    ForgetItems(items_->roots_);
    TWinControl::DestroyWnd();
}

void TCustomTreeView::ForgetItems(std::vector<std::unique_ptr<TTreeNode>>& nodes)
{
    for (auto& node : nodes) {
        node->item_ = nullptr;
        ForgetItems(node->children_);
    }
}

// Inserts the node after its last sibling, then its children, then opens it as it was.
void TCustomTreeView::InsertNode(TTreeNode& node)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent_ ? node.parent_->item_ : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(node.text_.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    insert.item.iImage = ImageIndexOrNone(node.imageIndex_);
    insert.item.iSelectedImage = ImageIndexOrNone(node.selectedIndex_ >= 0 ? node.selectedIndex_ : node.imageIndex_);
    node.item_ = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (auto& child : node.children_)
        InsertNode(*child);
    if (node.expanded_ && node.HasChildren())
        Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.item_));
}

void TCustomTreeView::SendNode(const TTreeNode& node)
{
    if (!node.item_)
        return;
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = node.item_;
    item.pszText = const_cast<wchar_t*>(node.text_.c_str());
    item.iImage = ImageIndexOrNone(node.imageIndex_);
    item.iSelectedImage = ImageIndexOrNone(node.selectedIndex_ >= 0 ? node.selectedIndex_ : node.imageIndex_);
    Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

TTreeNode* TCustomTreeView::Selected() const
{
    if (!HandleAllocated())
        return selected_;
    return NodeOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

TTreeNode* TCustomTreeView::NodeOf(HTREEITEM item) const
{
    if (!item)
        return nullptr;
    TVITEMW info{};
    info.mask = TVIF_PARAM | TVIF_HANDLE;
    info.hItem = item;
    Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return reinterpret_cast<TTreeNode*>(info.lParam);
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    selected_ = node;
    if (HandleAllocated())
        Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const
{
    TVHITTESTINFO hit{{x, y}, 0, nullptr};
    auto item = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    bool onItem = hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT);
    return onItem ? NodeOf(item) : nullptr;
}

void TCustomTreeView::FullExpand()
{
    for (auto& root : items_->roots_)
        root->Expand(true);
}

void TCustomTreeView::FullCollapse()
{
    for (auto& root : items_->roots_)
        root->Collapse(true);
}

void TCustomTreeView::SetImages(TCustomImageList* value)
{
    if (AttachImageList(*this, images_, value, imageChangeLink_))
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
}

void TCustomTreeView::ImageListChange(TObject*)
{
    if (images_)
        Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_->Handle()));
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_)
        SetImages(nullptr);
}

void TCustomTreeView::ChangeStyle(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    RecreateWnd();
}

void TCustomTreeView::SetShowButtons(bool value) { ChangeStyle(showButtons_, value); }
void TCustomTreeView::SetShowLines(bool value) { ChangeStyle(showLines_, value); }
void TCustomTreeView::SetShowRoot(bool value) { ChangeStyle(showRoot_, value); }
void TCustomTreeView::SetReadOnly(bool value) { ChangeStyle(readOnly_, value); }
void TCustomTreeView::SetHideSelection(bool value) { ChangeStyle(hideSelection_, value); }
void TCustomTreeView::SetRowSelect(bool value) { ChangeStyle(rowSelect_, value); }

bool TCustomTreeView::Expanding(const NMTREEVIEWW& change)
{
    TTreeNode* node = NodeOf(change.itemNew.hItem);
    bool allow = true;
    const TTVExpandingEvent& event = change.action == TVE_EXPAND ? OnExpanding : OnCollapsing;
    if (node && event.Assigned())
        event(this, node, allow);
    return allow;
}

void TCustomTreeView::Notify(TMessage& message)
{
    const auto& change = *reinterpret_cast<const NMTREEVIEWW*>(message.LParam);
    TTreeNode* node = NodeOf(change.itemNew.hItem);
    switch (change.hdr.code) {
    case TVN_SELCHANGEDW:
        selected_ = node;
        if (!filling_)
            OnChange.Fire(this, node);
        break;
    case TVN_ITEMEXPANDINGW:
        if (!expandingInCode_)
            message.Result = Expanding(change) ? FALSE : TRUE;
        break;
    case TVN_ITEMEXPANDEDW:
        if (!node || expandingInCode_)
            break;
        node->expanded_ = Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node->item_), TVIS_EXPANDED) & TVIS_EXPANDED;
        (node->expanded_ ? OnExpanded : OnCollapsed).Fire(this, node);
        break;
    case TVN_ENDLABELEDITW: {
        auto edit = reinterpret_cast<const NMTVDISPINFOW*>(message.LParam);
        TTreeNode* edited = NodeOf(edit->item.hItem);
        if (edit->item.pszText && edited)
            edited->text_ = edit->item.pszText;
        message.Result = edit->item.pszText != nullptr;
        break;
    }
    default:
        break;
    }
}

void TCustomTreeView::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        Notify(message);
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
