// TComponent: ownership, names, state and notifications.
#include "framework/core/component.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/properties.h"

namespace ov {

namespace {

bool IsIdentifier(std::wstring_view name)
{
    if (name.empty() || (name[0] >= L'0' && name[0] <= L'9'))
        return false;
    return std::all_of(name.begin(), name.end(), [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_';
    });
}

void Erase(std::vector<TComponent*>& list, TComponent* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

const TClassInfo& TComponent::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TComponent>(L"TComponent", TPersistent::StaticClass())
                                        .Property(L"Name", &TComponent::Name, &TComponent::SetName)
                                        .Property(L"Tag", &TComponent::Tag, &TComponent::SetTag)
                                        .Build();
    return info;
}

TComponent::TComponent(TComponent* owner)
{
    // Joins the owner's list now; the owner's tree hears of it once the component is whole
    // (AnnounceInsertion), so that receivers can look at what it is.
    if (owner)
        owner->AddComponent(this);
}

TComponent::~TComponent()
{
    // A plain delete skips the virtual first step; do what TComponent's part of it does.
    TComponent::BeforeDestruction();
}

void TComponent::Free()
{
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction()
{
    if (destructionAnnounced_)
        return;
    destructionAnnounced_ = true;
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* c : components_)
        c->Destroying();
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::InsertComponent(TComponent* component)
{
    AddComponent(component);
    NotifyOwnerTree(component, opInsert);
}

void TComponent::AddComponent(TComponent* component)
{
    if (!component->name_.empty() && FindComponent(component->name_))
        throw Exception(L"A component named %s already exists", {component->name_});
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    component->owner_ = this;
    components_.push_back(component);
    if (state_.Contains(csDesigning))
        component->SetDesigning(true);
}

void TComponent::AnnounceInsertion()
{
    if (!owner_)
        return;
    try {
        owner_->NotifyOwnerTree(this, opInsert);
    } catch (...) {
        Free();
        throw;
    }
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (component->owner_ != this)
        return;
    NotifyOwnerTree(component, opRemove);
    Erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::NotifyOwnerTree(TComponent* component, TOperation operation) { Notification(component, operation); }

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Receivers may free components; walk by index from the end and re-check the bound.
    for (size_t i = components_.size(); i > 0; --i) {
        if (i > components_.size())
            continue;
        components_[i - 1]->Notification(component, operation);
    }
}

void TComponent::DestroyComponents()
{
    while (!components_.empty())
        components_.back()->Free();
}

TComponent* TComponent::FindComponent(std::wstring_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameIdent(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetName(const std::wstring& name)
{
    if (name == name_)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw Exception(L"\"%s\" is not a valid component name", {name});
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw Exception(L"A component named %s already exists", {name});
    }
    name_ = name;
}

void TComponent::SetDesigning(bool designing, bool setChildren)
{
    state_.Set(csDesigning, designing);
    if (setChildren)
        for (TComponent* c : components_)
            c->SetDesigning(designing);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

}  // namespace ov
