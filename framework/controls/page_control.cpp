// TPageControl and TTabSheet: page bookkeeping, tabs for the pages that show one, activation.
#include "framework/controls/page_control.h"

#include <algorithm>

#include "framework/core/properties.h"

namespace ov {

// --- TTabSheet --------------------------------------------------------------------------------------

const TClassInfo& TTabSheet::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTabSheet>(L"TTabSheet", TWinControl::StaticClass())
                                        .Creatable()
                                        .Property(L"ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
                                        .Property(L"PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
                                        .Property(L"TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
                                        .Event(L"OnShow", &TTabSheet::OnShow)
                                        .Event(L"OnHide", &TTabSheet::OnHide)
                                        .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csAcceptsControls, csClickEvents, csDoubleClicks});
    SetVisible(false);  // shown when it becomes the active page
}

TTabSheet::~TTabSheet() = default;

void TTabSheet::SetParent(TWinControl* parent)
{
    auto newControl = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != newControl)
        pageControl_->RemovePage(this);
    TWinControl::SetParent(parent);
    if (newControl && newControl != pageControl_)
        newControl->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (pageControl_)
        pageControl_->MovePage(this, value);
}

int TTabSheet::TabIndex() const
{
    if (!pageControl_ || !tabVisible_)
        return -1;
    int index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this)
            return index;
        if (page->tabVisible_)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value)
{
    if (value == tabVisible_)
        return;
    tabVisible_ = value;
    if (pageControl_)
        pageControl_->UpdateTab(this);
}

void TTabSheet::SetImageIndex(int value)
{
    imageIndex_ = value;
    if (pageControl_ && TabIndex() >= 0)
        pageControl_->UpdateTabImages();
}

// The caption is the tab's text; showing and hiding fire OnShow / OnHide.
void TTabSheet::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && pageControl_ && TabIndex() >= 0)
        pageControl_->Tabs()->Put(TabIndex(), Caption());
    else if (message.Msg == CM_VISIBLECHANGED)
        (message.WParam ? OnShow : OnHide).Fire(this);
}

// --- TPageControl -----------------------------------------------------------------------------------

const TClassInfo& TPageControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TPageControl>(L"TPageControl", TCustomTabControl::StaticClass())
            .Creatable()
            .Property(L"ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
            .Build();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl()
{
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    page->pageControl_ = this;
    UpdateTab(page);
}

void TPageControl::RemovePage(TTabSheet* page)
{
    if (page == activePage_)
        ChangeActivePage(nullptr);
    if (int tab = page->TabIndex(); tab >= 0)
        Tabs()->Delete(tab);
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
    SelectActiveTab();
}

void TPageControl::MovePage(TTabSheet* page, int index)
{
    index = std::clamp(index, 0, PageCount() - 1);
    if (int tab = page->TabIndex(); tab >= 0)
        Tabs()->Delete(tab);
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    pages_.insert(pages_.begin() + index, page);
    UpdateTab(page);
}

// Puts the page's tab in or takes it out, as TabVisible says.
void TPageControl::UpdateTab(TTabSheet* page)
{
    int tab = page->TabIndex();
    if (page->tabVisible_) {
        bool present = tab < Tabs()->Count() && Tabs()->Objects(tab) == page;
        if (!present)
            Tabs()->InsertObject(tab, page->Caption(), page);
    } else {
        for (int i = 0; i < Tabs()->Count(); ++i)
            if (Tabs()->Objects(i) == page) {
                Tabs()->Delete(i);
                break;
            }
    }
    SelectActiveTab();
}

// The selected tab follows the active page (none when it has no tab).
void TPageControl::SelectActiveTab() { SetTabIndex(activePage_ ? activePage_->TabIndex() : -1); }

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->pageControl_ != this)
        return;
    ChangeActivePage(page);
    SelectActiveTab();
}

// The new page is shown (on top) before the old one is hidden, so the area never shows empty.
void TPageControl::ChangeActivePage(TTabSheet* page)
{
    if (page == activePage_)
        return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (page) {
        RECT display = DisplayRect();
        page->SetBoundsRect(display);
        page->BringToFront();
        page->SetVisible(true);
    }
    if (old)
        old->SetVisible(false);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int value)
{
    SetActivePage(value >= 0 && value < PageCount() ? pages_[static_cast<size_t>(value)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = current ? current->PageIndex() : (goForward ? count - 1 : 0);
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = (i + (goForward ? 1 : count - 1)) % count;
        TTabSheet* page = pages_[static_cast<size_t>(i)];
        if (!checkTabVisible || page->tabVisible_)
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    TTabSheet* page = FindNextPage(activePage_, goForward, checkTabVisible);
    if (page && page != activePage_ && CanChange()) {
        SetActivePage(page);
        TCustomTabControl::Change();
    }
}

// Every page fills the display area; other children are aligned as usual.
void TPageControl::AlignControls(TControl* control, RECT& rect)
{
    TCustomTabControl::AlignControls(control, rect);
    RECT display = DisplayRect();
    for (TTabSheet* page : pages_)
        if (page->Align() == alNone)
            page->SetBoundsRect(display);
}

bool TPageControl::CanChange() { return TCustomTabControl::CanChange(); }

// The user picked a tab: its page becomes active, then OnChange fires.
void TPageControl::Change()
{
    int tab = TabIndex();
    TTabSheet* page = tab >= 0 && tab < Tabs()->Count() ? dynamic_cast<TTabSheet*>(Tabs()->Objects(tab)) : nullptr;
    if (page)
        ChangeActivePage(page);
    TCustomTabControl::Change();
}

int TPageControl::GetImageIndex(int index) const
{
    auto page = index >= 0 && index < Tabs()->Count() ? dynamic_cast<TTabSheet*>(Tabs()->Objects(index)) : nullptr;
    return page ? page->imageIndex_ : -1;
}

}  // namespace ov
