// TComponent: an object with an owner that frees it, a Name unique among its owner's components,
// a Tag, a component state, and notifications when components come and go.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/event.h"
#include "framework/core/persistent.h"
#include "framework/core/properties.h"
#include "framework/core/set.h"

namespace ov {

enum TComponentStateItem {
    csLoading,  // the layout reader is building this component; Loaded ends it
    csReading,  // its properties are being read
    csWriting,
    csDestroying,  // Free has begun; do not start anything new
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

// The handler type of most events: Sender is the component that fires it.
using TNotifyEvent = TEvent<void(TObject* Sender)>;
OV_EVENT_TYPE(TNotifyEvent)

// Lifetime: a component belongs to its owner and is freed with it. Free() ends a component's life
// (a plain delete works too, but only Free lets everything that is notified see the component
// whole); a component without an owner is owned by whoever created it (see TComponentPtr).
//
// Notifications: when a component is inserted into or removed from an owner, the owner and, through
// it, every component it owns get Notification(component, opInsert/opRemove). A new component
// joins its owner's list in the TComponent constructor, but its insertion is announced only once it
// is whole: by AnnounceInsertion, which NewComponent and creation by class name (layouts) call, so
// receivers may look at its class. Removal is announced while the component is still whole. FreeNotification(other)
// asks for Notification(this, opRemove) on `other` when this component goes, whoever owns them.
class TComponent : public TPersistent {
    OV_CLASS(TComponent, TPersistent)

    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Announces the end (BeforeDestruction), then deletes the component.
    void Free();

    [[nodiscard]] TComponent* Owner() const noexcept { return owner_; }
    [[nodiscard]] int ComponentCount() const noexcept { return static_cast<int>(components_.size()); }
    [[nodiscard]] TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    [[nodiscard]] int ComponentIndex() const;  // position in the owner's list, -1 without owner
    // Takes the component into this owner's list and announces it.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Tells the owner's tree that this newly constructed component has joined it. A receiver that
    // refuses it by raising gets the component freed and the exception passed on.
    void AnnounceInsertion();
    // Frees every owned component, last first.
    void DestroyComponents();
    // The owned component of that name (ignoring case), or null.
    [[nodiscard]] TComponent* FindComponent(std::wstring_view name) const;

    [[nodiscard]] const std::wstring& Name() const noexcept { return name_; }
    // Raises when the name is not an identifier or another component of the owner has it.
    virtual void SetName(const std::wstring& name);
    [[nodiscard]] int Tag() const noexcept { return tag_; }
    void SetTag(int tag) noexcept { tag_ = tag; }

    [[nodiscard]] TComponentState ComponentState() const noexcept { return state_; }
    void SetDesigning(bool designing, bool setChildren = true);
    // The layout reader marks a component as loading while it builds it; Loaded ends that.
    void SetLoading(bool loading) noexcept { state_.Set(csLoading, loading); }
    void SetReading(bool reading) noexcept { state_.Set(csReading, reading); }
    // Called once after the layout has set every property of every component of the tree.
    virtual void Loaded();

    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // The component that encloses this one in a layout (a control's Parent, a menu item's parent
    // item). The layout reader sets it for nested objects.
    [[nodiscard]] virtual bool HasParent() const { return false; }
    [[nodiscard]] virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent) {}

    virtual void Notification(TComponent* component, TOperation operation);

protected:
    // First step of Free: the most derived class runs first and calls its base at its end. The
    // TComponent step marks the component destroying, tells the free notifiees, frees the owned
    // components and leaves the owner.
    virtual void BeforeDestruction();
    // Marks this component and the components it owns as destroying.
    void Destroying();

private:
    void AddComponent(TComponent* component);
    void NotifyOwnerTree(TComponent* component, TOperation operation);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::wstring name_;
    int tag_ = 0;
    TComponentState state_;
    bool destructionAnnounced_ = false;
};

// Constructs a component and announces it to its owner once it is whole (see Notifications).
template <typename T, typename... Args>
T* NewComponent(TComponent* owner, Args&&... args)
{
    T* component = new T(owner, std::forward<Args>(args)...);
    component->AnnounceInsertion();
    return component;
}

// Owner of a component created without an owner: frees it with Free().
struct TComponentFree {
    void operator()(TComponent* component) const { component->Free(); }
};
template <typename T>
using TComponentPtr = std::unique_ptr<T, TComponentFree>;

}  // namespace ov
