// Message sequences of skinning, switching off and on, unskinning and destruction, recorded as
// Wine's own control tests record them: what each control, its skinner and the skinner's overlays
// see, and when each is hooked, detached and freed, in one journal. The sequences must show that no
// message reaches a skinner once it is gone, that hooks come off in the reverse order they went on,
// and that a skinner's overlays go before the skinner does.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/date_time_picker.h"
#include "framework/controls/memo.h"
#include "framework/controls/scroll_bar.h"
#include "framework/controls/tool_bar.h"
#include "framework/forms/application.h"
#include "framework/core/unicode.h"
#include "skin/controls/combo_skinners.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/scroll_skinners.h"
#include "skin/controls/tool_bar_skinners.h"
#include "skin/controls/value_skinners.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"
#include "skin/engine/skinner_tables.h"

namespace ov {
namespace {

// One line of the journal: who saw or did what.
struct Entry {
    enum Kind { kControlSees, kSkinnerSees, kOverlaySees, kHooked, kDetached, kSkinnerFreed, kOverlayFreed, kFault };
    Kind kind;
    std::wstring who;  // the control's name, or the overlay's class and its control's name
    UINT msg = 0;
    std::string fault;  // kFault: what went wrong
};

class Journal;
Journal* gJournal = nullptr;  // the journal being written, while a test records

class Journal {
public:
    Journal() { gJournal = this; }
    ~Journal() { gJournal = nullptr; }
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    void Add(Entry::Kind kind, const std::wstring& who, UINT msg = 0) { entries_.push_back({kind, who, msg, {}}); }
    void Fault(const std::wstring& who, const std::string& what) { entries_.push_back({Entry::kFault, who, 0, what}); }

    [[nodiscard]] const std::vector<Entry>& Entries() const { return entries_; }
    [[nodiscard]] std::vector<std::wstring> Who(Entry::Kind kind) const
    {
        std::vector<std::wstring> names;
        for (const Entry& e : entries_)
            if (e.kind == kind)
                names.push_back(e.who);
        return names;
    }
    // Where the first entry of that kind for `who` stands, or -1.
    [[nodiscard]] int IndexOf(Entry::Kind kind, const std::wstring& who) const
    {
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].kind == kind && entries_[i].who == who)
                return static_cast<int>(i);
        return -1;
    }
    [[nodiscard]] int Count(Entry::Kind kind, const std::wstring& who, UINT msg) const
    {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
            return e.kind == kind && e.who == who && e.msg == msg;
        }));
    }
    void Clear() { entries_.clear(); }

    // The rules every sequence keeps: no fault was noted, and nothing reached a skinner after it was
    // freed.
    void ExpectSound() const
    {
        std::map<std::wstring, bool> freed;
        for (const Entry& e : entries_) {
            if (e.kind == Entry::kFault)
                ADD_FAILURE() << WideToUtf8(e.who) << ": " << e.fault;
            if (e.kind == Entry::kSkinnerFreed)
                freed[e.who] = true;
            if (e.kind == Entry::kSkinnerSees && freed[e.who])
                ADD_FAILURE() << "message 0x" << std::hex << e.msg << " reached the freed skinner of "
                              << WideToUtf8(e.who);
        }
    }

private:
    std::vector<Entry> entries_;
};

// Set by a test while it frees the engine: the skinners it detaches must hear that it is going.
bool gEngineGoing = false;

// A real skinner that also writes what it sees and does into the journal. Without a journal it is
// the skinner it derives from, nothing more.
template <class Skinner>
class TRecorded : public Skinner {
public:
    TRecorded(TControl* control, TkrvSkinWindow* owner) : Skinner(control, owner), name_(NameOf(*control))
    {
        if (gJournal)
            gJournal->Add(Entry::kHooked, name_);
    }
    ~TRecorded() override
    {
        if (!gJournal)
            return;
        if (this->Hooked())
            gJournal->Fault(name_, "freed while still in its control's message path");
        if (HoldsOverlay())
            gJournal->Fault(name_, "freed while an overlay of its own was still there");
        gJournal->Add(Entry::kSkinnerFreed, name_);
    }
    bool PreMessage(TMessage& message) override
    {
        if (gJournal)
            gJournal->Add(Entry::kSkinnerSees, name_, message.Msg);
        return Skinner::PreMessage(message);
    }
    void Detach() override
    {
        if (gJournal) {
            if (this->Hooked())
                gJournal->Fault(name_, "detached before its procedure was given back");
            if (!this->Engine()->IsDestroying() && gEngineGoing)
                gJournal->Fault(name_, "detached by an engine going that does not say so");
            gJournal->Add(Entry::kDetached, name_);
        }
        Skinner::Detach();
    }

    // A control's name; an overlay's class and the name of the control it serves (its owner).
    static std::wstring NameOf(const TControl& control)
    {
        if (!control.Name().empty() || !control.Owner())
            return control.Name();
        return control.ClassName() + L" of " + control.Owner()->Name();
    }

private:
    [[nodiscard]] bool HoldsOverlay() const
    {
        if constexpr (std::is_base_of_v<TkrvSkinDateTimePicker, Skinner>)
            return this->Button() || this->UpDown();
        else if constexpr (std::is_base_of_v<TkrvSkinScrollWinControl, Skinner>)
            return this->VertBar() || this->HorzBar();
        else if constexpr (std::is_base_of_v<TkrvSkinScrollBar, Skinner>)
            return this->Bar() != nullptr;
        else
            return false;
    }

    std::wstring name_;
};

template <class Skinner>
std::unique_ptr<TkrvSkinControl> MakeRecorded(TControl* control, TkrvSkinWindow* owner)
{
    return std::make_unique<TRecorded<Skinner>>(control, owner);
}

// The classes recorded, each with the skinner that serves it.
const TkrvFrameworkSkinnerRow kRecordedRows[] = {
    {L"TCustomEdit", MakeRecorded<TkrvSkinScrollWinControl>},   {L"TToolBar", MakeRecorded<TkrvSkinToolBar>},
    {L"TDateTimePicker", MakeRecorded<TkrvSkinDateTimePicker>}, {L"TCustomUpDown", MakeRecorded<TkrvSkinUpDown>},
    {L"TScrollBar", MakeRecorded<TkrvSkinScrollBar>},
};

const char* kControls = R"(  object Memo1: TMemo
    Left = 10
    Top = 10
    Width = 150
    Height = 60
    ScrollBars = ssVertical
  end
  object ToolBar1: TToolBar
    Left = 0
    Top = 200
    Width = 380
    Height = 29
    Align = alNone
  end
  object DateTimePicker1: TDateTimePicker
    Left = 200
    Top = 10
    Width = 150
    Height = 24
    Kind = dtkTime
    Time = '10:20:30'
  end
  object DateTimePicker2: TDateTimePicker
    Left = 200
    Top = 50
    Width = 150
    Height = 24
    Date = '2026-03-15'
  end
  object ScrollBar1: TScrollBar
    Left = 10
    Top = 100
    Width = 150
    Height = 18
  end
)";

// Writes what reaches a control or an overlay into the journal, from where it was put in the
// control's message path, and stops when the control goes.
class TSpy : public TComponent {
    OV_CLASS(TSpy, TComponent)

    TSpy(TControl* control, Entry::Kind kind, std::wstring who)
        : TComponent(nullptr), control_(control), kind_(kind), who_(std::move(who))
    {
        hook_ = std::make_unique<TWindowProcHook>(control, [this](TMessage& m) {
            if (gJournal)
                gJournal->Add(kind_, who_, m.Msg);
            hook_->CallPrevious(m);
        });
        FreeNotification(control);
    }
    ~TSpy() override
    {
        if (control_) {
            hook_->Remove();
            RemoveFreeNotification(control_);
        }
    }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation != opRemove || component != control_)
            return;
        hook_->Remove();
        control_ = nullptr;
        if (gJournal && kind_ == Entry::kOverlaySees)
            gJournal->Add(Entry::kOverlayFreed, who_);
    }

private:
    TControl* control_;
    Entry::Kind kind_;
    std::wstring who_;
    std::unique_ptr<TWindowProcHook> hook_;
};

const TClassInfo& TSpy::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TSpy>(L"TSpy", TComponent::StaticClass()).Build();
    return info;
}

class SkinnerLifetime : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlSkinners();
        for (const TClassInfo* cls : {&TMemo::StaticClass(), &TToolBar::StaticClass(), &TDateTimePicker::StaticClass(),
                                      &TkrvSkinInternalUpDown::StaticClass(), &TScrollBar::StaticClass()})
            realRows_.push_back(*FindFrameworkSkinnerRow(*cls));
        AddFrameworkSkinners(kRecordedRows);
        form_ = new TForm(Application);
        form_->InitForm(test::FormLayout(380, 240, kControls));
        memo()->Lines()->SetText(std::wstring(40, L'x') + L"\r\n" + std::wstring(200, L'\n'));
        // Beneath the skinners: what the controls themselves see.
        for (const wchar_t* name : {L"Memo1", L"ToolBar1", L"DateTimePicker1", L"DateTimePicker2", L"ScrollBar1"})
            spies_.emplace_back(new TSpy(Find<TControl>(name), Entry::kControlSees, name));
        engine_ = NewComponent<TkrvSkinEngine>(form_);
        engine_->SetSkinFile(Utf8ToWide(test::BuiltinSkinPath()));
        engine_->SetActive(true);
        engine_->SkinMainForm(form_);
        form_->Show();
        ::SetForegroundWindow(form_->Handle());
        test::Pump(150);
        // The overlays there are by now, from above: what they see.
        for (auto [overlay, name] : Overlays())
            spies_.emplace_back(new TSpy(overlay, Entry::kOverlaySees, name));
    }
    void TearDown() override
    {
        gEngineGoing = false;
        if (form_)
            form_->Free();
        spies_.clear();
        Application->ProcessMessages();
        AddFrameworkSkinners(realRows_);  // later rows win: the real skinners serve the other tests
    }

    template <typename T>
    T* Find(const wchar_t* name) const
    {
        return static_cast<T*>(form_->FindComponent(name));
    }
    [[nodiscard]] TMemo* memo() const { return Find<TMemo>(L"Memo1"); }
    [[nodiscard]] TkrvSkinWindow* Frame() const { return engine_->FindSkinWindow(form_->Handle()); }
    template <typename Skinner>
    Skinner* SkinnerOf(const wchar_t* name) const
    {
        TControl* control = Find<TControl>(name);
        for (const auto& s : Frame()->ControlSkinners())
            if (s->Control() == control)
                return dynamic_cast<Skinner*>(s.get());
        return nullptr;
    }
    // Every overlay of the form's controls: the memo's bar, each picker's up-down and button panel
    // (one of them hidden), the scroll bar's panel; each with the name the journal gives it.
    [[nodiscard]] std::vector<std::pair<TControl*, std::wstring>> Overlays() const
    {
        std::vector<std::pair<TControl*, std::wstring>> found;
        auto add = [&](TControl* overlay, const wchar_t* control) {
            if (overlay)
                found.emplace_back(overlay, overlay->ClassName() + L" of " + control);
        };
        add(SkinnerOf<TkrvSkinScrollWinControl>(L"Memo1")->VertBar(), L"Memo1");
        for (const wchar_t* name : {L"DateTimePicker1", L"DateTimePicker2"}) {
            add(SkinnerOf<TkrvSkinDateTimePicker>(name)->UpDown(), name);
            add(SkinnerOf<TkrvSkinDateTimePicker>(name)->Button(), name);
        }
        add(SkinnerOf<TkrvSkinScrollBar>(L"ScrollBar1")->Bar(), L"ScrollBar1");
        return found;
    }
    // Windows the engine made that are still on the screen.
    [[nodiscard]] int OverlayWindowsLeft() const
    {
        int left = 0;
        EnumChildWindows(
            form_->Handle(),
            [](HWND window, LPARAM data) {
                wchar_t name[64] = {};
                GetClassNameW(window, name, 64);
                if (std::wstring(name).starts_with(L"TkrvSkinInternal"))
                    ++*reinterpret_cast<int*>(data);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&left));
        return left;
    }
    // The order the skinners were hooked in, and the order they were detached in, must mirror
    // each other.
    static void ExpectHooksOffInReverse(const Journal& journal, const std::vector<std::wstring>& hooked)
    {
        std::vector<std::wstring> detached = journal.Who(Entry::kDetached);
        std::vector<std::wstring> expected(hooked.rbegin(), hooked.rend());
        EXPECT_EQ(detached, expected);
    }
    // Each skinner's overlays went before it.
    static void ExpectOverlaysBeforeTheirSkinner(const Journal& journal)
    {
        for (const Entry& e : journal.Entries()) {
            if (e.kind != Entry::kOverlayFreed)
                continue;
            std::wstring control = e.who.substr(e.who.find(L" of ") + 4);
            int skinnerFreed = journal.IndexOf(Entry::kSkinnerFreed, control);
            if (skinnerFreed >= 0)
                EXPECT_LT(journal.IndexOf(Entry::kOverlayFreed, e.who), skinnerFreed) << WideToUtf8(e.who);
        }
    }

    Journal journal_;  // first: it records the skinning itself
    TForm* form_ = nullptr;
    TkrvSkinEngine* engine_ = nullptr;
    std::vector<TComponentPtr<TSpy>> spies_;
    std::vector<TkrvFrameworkSkinnerRow> realRows_;
};

// The walk's order, which is the order the hooks went on: the up-down a time picker's skinner makes
// is met among the picker's components, right after it.
const std::vector<std::wstring> kHookOrder = {L"Memo1",           L"ToolBar1",
                                              L"DateTimePicker1", L"TkrvSkinInternalUpDown of DateTimePicker1",
                                              L"DateTimePicker2", L"TkrvSkinInternalUpDown of DateTimePicker2",
                                              L"ScrollBar1"};
constexpr size_t kOverlays = 6;

// Skinning: every skinner is hooked in the walk's order, and while the skin works each skinner sees
// a repaint before its control does; switched off, the control sees it alone, the skinner stays.
TEST_F(SkinnerLifetime, SkinnersSeeTheirControlsMessagesFirstAndOnlyWhileTheSkinWorks)
{
    EXPECT_EQ(journal_.Who(Entry::kHooked), kHookOrder);
    ASSERT_EQ(Overlays().size(), kOverlays);
    auto repaintSequence = [&](const wchar_t* name) {
        journal_.Clear();
        Find<TWinControl>(name)->Perform(WM_KRV_CONTROLREPAINT, 0, 0);
        std::vector<Entry::Kind> kinds;
        for (const Entry& e : journal_.Entries())
            if (e.who == name && e.msg == WM_KRV_CONTROLREPAINT)
                kinds.push_back(e.kind);
        return kinds;
    };
    for (const wchar_t* name : {L"Memo1", L"DateTimePicker1", L"ScrollBar1"}) {
        EXPECT_EQ(repaintSequence(name), (std::vector{Entry::kSkinnerSees, Entry::kControlSees})) << WideToUtf8(name);
    }
    engine_->SetActive(false);
    test::Pump(50);
    for (const wchar_t* name : {L"Memo1", L"DateTimePicker1", L"ScrollBar1"})
        EXPECT_EQ(repaintSequence(name), std::vector{Entry::kControlSees}) << WideToUtf8(name);
    engine_->SetActive(true);
    test::Pump(50);
    EXPECT_EQ(repaintSequence(L"Memo1"), (std::vector{Entry::kSkinnerSees, Entry::kControlSees}));
    EXPECT_TRUE(journal_.Who(Entry::kDetached).empty()) << "switching off and on unhooks nothing";
    journal_.ExpectSound();
}

// The engine freed while its form stays: each skinner gives its procedure back, last hooked first,
// its overlays go before it does, and the controls go on working without any of them.
TEST_F(SkinnerLifetime, FreeingTheEngineUnhooksInReverseAndFreesOverlaysBeforeTheirSkinners)
{
    ASSERT_EQ(Overlays().size(), kOverlays);
    gEngineGoing = true;
    std::exchange(engine_, nullptr)->Free();
    gEngineGoing = false;
    ExpectHooksOffInReverse(journal_, kHookOrder);
    ExpectOverlaysBeforeTheirSkinner(journal_);
    EXPECT_EQ(journal_.Who(Entry::kSkinnerFreed).size(), kHookOrder.size());
    EXPECT_EQ(journal_.Who(Entry::kOverlayFreed).size(), kOverlays);
    EXPECT_EQ(OverlayWindowsLeft(), 0);
    EXPECT_FALSE(Find<TToolBar>(L"ToolBar1")->OnCustomDraw.Assigned()) << "no event names a freed skinner";
    journal_.ExpectSound();

    journal_.Clear();
    ::RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const wchar_t* name : {L"Memo1", L"ToolBar1", L"DateTimePicker1", L"ScrollBar1"})
        Find<TWinControl>(name)->Perform(WM_KRV_CONTROLREPAINT, 0, 0);
    test::Pump(50);
    for (const wchar_t* name : {L"Memo1", L"ToolBar1", L"DateTimePicker1", L"ScrollBar1"})
        EXPECT_EQ(journal_.Count(Entry::kControlSees, name, WM_KRV_CONTROLREPAINT), 1) << WideToUtf8(name);
    EXPECT_TRUE(journal_.Who(Entry::kSkinnerSees).empty());
    journal_.ExpectSound();
}

// The form freed with its engine on it, as the program ends: controls go first, each taking its
// skinner through the same steps, the engine after them.
TEST_F(SkinnerLifetime, FreeingTheFormTakesEverySkinnerThroughTheSameSteps)
{
    ASSERT_EQ(Overlays().size(), kOverlays);
    std::exchange(form_, nullptr)->Free();
    engine_ = nullptr;
    Application->ProcessMessages();
    ExpectHooksOffInReverse(journal_, kHookOrder);
    ExpectOverlaysBeforeTheirSkinner(journal_);
    EXPECT_EQ(journal_.Who(Entry::kSkinnerFreed).size(), kHookOrder.size());
    EXPECT_EQ(journal_.Who(Entry::kOverlayFreed).size(), kOverlays);
    journal_.ExpectSound();
}

// A stand-alone scroll bar freed on its own takes its overlay along (the overlay sits on the form,
// owned by the engine: nothing else would take it off the screen).
TEST_F(SkinnerLifetime, AScrollBarFreedOnItsOwnTakesItsOverlayAlong)
{
    ASSERT_NE(SkinnerOf<TkrvSkinScrollBar>(L"ScrollBar1")->Bar(), nullptr);
    int before = OverlayWindowsLeft();
    Find<TScrollBar>(L"ScrollBar1")->Free();
    Application->ProcessMessages();
    EXPECT_EQ(OverlayWindowsLeft(), before - 1);
    EXPECT_LT(journal_.IndexOf(Entry::kOverlayFreed, L"TkrvSkinInternalScrollBar2 of ScrollBar1"),
              journal_.IndexOf(Entry::kSkinnerFreed, L"ScrollBar1"));
    journal_.ExpectSound();
}

// An overlay freed by someone else first empties its skinner's slot; the skinner's own end later
// frees nothing twice.
TEST_F(SkinnerLifetime, AnOverlayFreedFirstEmptiesItsSkinnersSlot)
{
    auto* picker = SkinnerOf<TkrvSkinDateTimePicker>(L"DateTimePicker2");
    ASSERT_NE(picker->Button(), nullptr);
    picker->Button()->Free();
    EXPECT_EQ(picker->Button(), nullptr);
    gEngineGoing = true;
    std::exchange(engine_, nullptr)->Free();
    EXPECT_EQ(journal_.Who(Entry::kOverlayFreed).size(), kOverlays) << "each overlay once";
    journal_.ExpectSound();
}

}  // namespace
}  // namespace ov
