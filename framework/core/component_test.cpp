// TComponent: ownership, names, notifications; TEvent: assignment, firing, saving and restoring.
#include "framework/core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/exception.h"
#include "framework/core/unicode.h"

namespace ov {
namespace {

// Records the notifications it receives and its own destruction.
class TWatcher : public TComponent {
public:
    TWatcher(TComponent* owner, std::vector<std::string>* log, std::string tag)
        : TComponent(owner), log_(log), tag_(std::move(tag))
    {
    }
    ~TWatcher() override { log_->push_back(tag_ + " destroyed"); }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (component != this)
            log_->push_back(tag_ + (operation == opInsert ? " saw insert of " : " saw removal of ") +
                            WideToUtf8(component->Name()));
    }

private:
    std::vector<std::string>* log_;
    std::string tag_;
};

TEST(Component, OwnedComponentsAreFreedWithTheOwnerLastFirst)
{
    std::vector<std::string> log;
    auto* owner = new TWatcher(nullptr, &log, "owner");
    new TWatcher(owner, &log, "a");
    new TWatcher(owner, &log, "b");
    EXPECT_EQ(owner->ComponentCount(), 2);
    log.clear();
    owner->Free();
    std::vector<std::string> destroyed;
    for (const auto& line : log)
        if (line.ends_with("destroyed"))
            destroyed.push_back(line);
    EXPECT_EQ(destroyed, (std::vector<std::string>{"b destroyed", "a destroyed", "owner destroyed"}));
}

TEST(Component, FreeingAnOwnedComponentLeavesItsOwner)
{
    TComponentPtr<TComponent> owner(new TComponent(nullptr));
    auto* child = new TComponent(owner.get());
    child->SetName(L"Child");
    EXPECT_EQ(owner->FindComponent(L"child"), child) << "names are found ignoring case";
    child->Free();
    EXPECT_EQ(owner->ComponentCount(), 0);
    EXPECT_EQ(owner->FindComponent(L"Child"), nullptr);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TComponentPtr<TComponent> owner(new TComponent(nullptr));
    auto* a = new TComponent(owner.get());
    auto* b = new TComponent(owner.get());
    a->SetName(L"Button1");
    EXPECT_THROW(b->SetName(L"BUTTON1"), Exception);
    EXPECT_THROW(b->SetName(L"1Button"), Exception);
    EXPECT_THROW(b->SetName(L"Two words"), Exception);
    b->SetName(L"Button2");
    EXPECT_EQ(b->Name(), L"Button2");
    b->SetName(L"");  // unnamed components are allowed, any number of them
    EXPECT_EQ(b->Name(), L"");
}

// The owner and every component it owns hear of insertions and removals; a free notification
// reaches a component that is not in the same owner.
TEST(Component, NotificationsReachTheOwnersComponentsAndFreeNotifiees)
{
    std::vector<std::string> log;
    TComponentPtr<TWatcher> form(new TWatcher(nullptr, &log, "form"));
    auto* engine = new TWatcher(form.get(), &log, "engine");
    (void)engine;
    auto* menu = new TComponent(form.get());
    menu->SetName(L"Menu1");
    log.clear();
    TComponentPtr<TWatcher> outsider(new TWatcher(nullptr, &log, "outsider"));
    menu->FreeNotification(outsider.get());
    menu->Free();
    EXPECT_NE(std::find(log.begin(), log.end(), "engine saw removal of Menu1"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "form saw removal of Menu1"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "outsider saw removal of Menu1"), log.end());

    log.clear();
    NewComponent<TComponent>(form.get());
    EXPECT_NE(std::find(log.begin(), log.end(), "engine saw insert of "), log.end());
}

// The insertion is announced once the newcomer is whole: a receiver sees its class and its
// constructor's work, and may refuse it by raising, which frees it and passes the exception on.
TEST(Component, InsertionIsAnnouncedWhenTheNewcomerIsWhole)
{
    struct TSecond : TComponent {
        explicit TSecond(TComponent* owner) : TComponent(owner) { SetTag(7); }
    };
    struct TReceiver : TComponent {
        using TComponent::TComponent;
        int seenTag = 0;
        bool sawSecond = false;
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation != opInsert || component == this)
                return;
            sawSecond = dynamic_cast<TSecond*>(component) != nullptr;
            seenTag = component->Tag();
            if (component->Tag() == 7 && refuse)
                throw Exception(L"refused");
        }
        bool refuse = false;
    };
    TComponentPtr<TComponent> form(new TComponent(nullptr));
    auto* receiver = new TReceiver(form.get());
    NewComponent<TSecond>(form.get());
    EXPECT_TRUE(receiver->sawSecond);
    EXPECT_EQ(receiver->seenTag, 7);
    EXPECT_EQ(form->ComponentCount(), 2);

    receiver->refuse = true;
    EXPECT_THROW(NewComponent<TSecond>(form.get()), Exception);
    EXPECT_EQ(form->ComponentCount(), 2) << "the refused component is freed";
}

// A free notification is mutual and is dropped when either side goes first.
TEST(Component, FreeNotificationIsForgottenWhenTheListenerGoes)
{
    std::vector<std::string> log;
    TComponentPtr<TComponent> watched(new TComponent(nullptr));
    watched->SetName(L"Watched");
    auto* listener = new TWatcher(nullptr, &log, "listener");
    watched->FreeNotification(listener);
    listener->Free();
    log.clear();
    watched.reset();  // must not call the freed listener
    EXPECT_TRUE(log.empty());
}

// While Free runs, the component and everything it owns already report csDestroying.
TEST(Component, OwnedComponentsKnowTheirOwnerIsGoing)
{
    struct TProbe : TComponent {
        using TComponent::TComponent;
        bool* ownerDestroying = nullptr;
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation == opRemove && component == this && Owner())
                *ownerDestroying = Owner()->ComponentState().Contains(csDestroying);
        }
    };
    bool seen = false;
    auto* owner = new TComponent(nullptr);
    auto* probe = new TProbe(owner);
    probe->ownerDestroying = &seen;
    owner->Free();
    EXPECT_TRUE(seen);
}

struct TReceiver : TObject {
    int calls = 0;
    TObject* last = nullptr;
    void Handle(TObject* sender)
    {
        ++calls;
        last = sender;
    }
    void Other(TObject*) {}
};

TEST(Event, FiresOnlyWhenAssigned)
{
    TNotifyEvent event;
    EXPECT_FALSE(event.Assigned());
    EXPECT_FALSE(event.Fire(nullptr));
    TReceiver r;
    event = TNotifyEvent(&r, &TReceiver::Handle);
    EXPECT_TRUE(event.Assigned());
    EXPECT_TRUE(event.Fire(&r));
    EXPECT_EQ(r.calls, 1);
    EXPECT_EQ(r.last, &r);
    EXPECT_EQ(event.Data(), &r);
    event = nullptr;
    EXPECT_FALSE(event.Fire(nullptr));
    EXPECT_EQ(r.calls, 1);
}

// Saving a slot, installing another and putting the saved one back is recognisable by comparison.
TEST(Event, SavedAndRestoredSlotsCompareEqual)
{
    TReceiver a, b;
    TNotifyEvent slot(&a, &TReceiver::Handle);
    TNotifyEvent saved = slot;
    EXPECT_TRUE(saved == slot);
    EXPECT_TRUE(TNotifyEvent(&a, &TReceiver::Handle) == slot) << "same object and method";
    EXPECT_FALSE(TNotifyEvent(&b, &TReceiver::Handle) == slot) << "another object";
    EXPECT_FALSE(TNotifyEvent(&a, &TReceiver::Other) == slot) << "another method";
    int lambdaCalls = 0;
    slot = [&](TObject*) { ++lambdaCalls; };
    EXPECT_FALSE(slot == saved);
    TNotifyEvent copy = slot;
    EXPECT_TRUE(copy == slot) << "copies of a callable are the same handler";
    EXPECT_FALSE(TNotifyEvent([&](TObject*) { ++lambdaCalls; }) == slot);
    slot(nullptr);
    EXPECT_EQ(lambdaCalls, 1);
    slot = saved;
    slot(nullptr);
    EXPECT_EQ(a.calls, 1);
    EXPECT_TRUE(TNotifyEvent() == TNotifyEvent(nullptr));
}

}  // namespace
}  // namespace ov
