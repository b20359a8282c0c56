// TCustomTreeView / TTreeView: a tree of captioned nodes with images that expand and collapse,
// over the system tree view (SysTreeView32). Items holds the nodes, which live in the control and
// are mirrored into the window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "framework/graphics/image_list.h"
#include "framework/controls/send_if_window.h"
#include "framework/forms/win_control.h"

namespace ov {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::wstring text);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    [[nodiscard]] int SelectedIndex() const noexcept { return selectedIndex_; }
    void SetSelectedIndex(int value);
    [[nodiscard]] TTreeNode* Parent() const noexcept { return parent_; }
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(children_.size()); }
    [[nodiscard]] TTreeNode* Item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
    [[nodiscard]] bool HasChildren() const noexcept { return !children_.empty(); }
    [[nodiscard]] int Index() const;
    [[nodiscard]] int Level() const;

    [[nodiscard]] bool Expanded() const noexcept { return expanded_; }
    void SetExpanded(bool value);
    // Expands (collapses) the node, and with recurse every node below it.
    void Expand(bool recurse);
    void Collapse(bool recurse);
    [[nodiscard]] bool Selected() const;
    void SetSelected(bool value);
    [[nodiscard]] HTREEITEM ItemId() const noexcept { return item_; }

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;

    TTreeNodes& owner_;
    TTreeNode* parent_;
    std::wstring text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    HTREEITEM item_ = nullptr;  // the window's item, null while there is no window
    std::vector<std::unique_ptr<TTreeNode>> children_;
};

// In layouts the nodes are one line each, indented by two spaces per level:
//   Items.Nodes = ('Fruit' '  Apple' '  Pear' 'Vegetables' '  Leek')
class TTreeNodes : public TPersistent {
    OV_CLASS(TTreeNodes, TPersistent)

    explicit TTreeNodes(TCustomTreeView& view);
    ~TTreeNodes() override;

    // Every node, in tree order (a node, then its children).
    [[nodiscard]] int Count() const;
    [[nodiscard]] TTreeNode* Item(int index) const;
    [[nodiscard]] int RootCount() const noexcept { return static_cast<int>(roots_.size()); }
    [[nodiscard]] TTreeNode* Root(int index) const { return roots_.at(static_cast<size_t>(index)).get(); }
    // Appends a node under parent (null: a root node).
    TTreeNode* AddChild(TTreeNode* parent, const std::wstring& text);
    void Delete(TTreeNode* node);
    void Clear();
    [[nodiscard]] TCustomTreeView& View() const noexcept { return view_; }

    void DefineProperties(TFiler& filer) override;

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    void ReadNodes(const std::vector<std::wstring>& lines);
    std::vector<std::unique_ptr<TTreeNode>>& Siblings(TTreeNode* parent);

    TCustomTreeView& view_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
OV_EVENT_TYPE(TTVChangedEvent)
OV_EVENT_TYPE(TTVExpandingEvent)

// OnChange fires when another node is selected; OnExpanding / OnCollapsing may refuse; OnExpanded
// and OnCollapsed follow. Changing a style re-creates the window; nodes, their expansion and the
// selection survive.
class TCustomTreeView : public TWinControl {
    OV_CLASS(TCustomTreeView, TWinControl)

    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    [[nodiscard]] TTreeNodes* Items() const noexcept { return items_.get(); }
    [[nodiscard]] TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    [[nodiscard]] TCustomImageList* Images() const noexcept { return images_; }
    void SetImages(TCustomImageList* value);
    [[nodiscard]] bool ShowButtons() const noexcept { return showButtons_; }
    void SetShowButtons(bool value);
    [[nodiscard]] bool ShowLines() const noexcept { return showLines_; }
    void SetShowLines(bool value);
    [[nodiscard]] bool ShowRoot() const noexcept { return showRoot_; }
    void SetShowRoot(bool value);
    [[nodiscard]] bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool value);
    [[nodiscard]] bool HideSelection() const noexcept { return hideSelection_; }
    void SetHideSelection(bool value);
    [[nodiscard]] bool RowSelect() const noexcept { return rowSelect_; }
    void SetRowSelect(bool value);
    // The node under a client point, or null.
    [[nodiscard]] TTreeNode* GetNodeAt(int x, int y) const;
    void FullExpand();
    void FullCollapse();

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    TTVChangedEvent OnChange;
    TTVExpandingEvent OnExpanding;
    TTVExpandingEvent OnCollapsing;
    TTVChangedEvent OnExpanded;
    TTVChangedEvent OnCollapsed;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void InsertNode(TTreeNode& node);
    void SendNode(const TTreeNode& node);
    void ForgetItems(std::vector<std::unique_ptr<TTreeNode>>& nodes);
    TTreeNode* NodeOf(HTREEITEM item) const;
    void Notify(TMessage& message);
    bool Expanding(const NMTREEVIEWW& change);
    void ChangeStyle(bool& field, bool value);
    void ImageListChange(TObject* sender);
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendIfWindow(WindowHandle(), msg, wParam, lParam);
    }

    std::unique_ptr<TTreeNodes> items_;
    TCustomImageList* images_ = nullptr;
    TChangeLink imageChangeLink_;
    TTreeNode* selected_ = nullptr;  // kept while there is no window
    bool showButtons_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool rowSelect_ = false;
    bool filling_ = false;
    bool expandingInCode_ = false;
};

class TTreeView : public TCustomTreeView {
    OV_CLASS(TTreeView, TCustomTreeView)

    explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

}  // namespace ov
