// The engine component: where it may be placed, its stored values and setter rules, finding and
// loading a skin (file or streamed package, temporary files removed), the metrics it keeps, the
// check mark, and which forms it skins.
#include "skin/engine/skin_engine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/forms/application.h"
#include "framework/core/exception.h"
#include "framework/graphics/image_list.h"
#include "framework/core/unicode.h"
#include "skin/data/skin_test_builders.h"
#include "skin/data/temp_file.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"

namespace ov {
namespace {

using testing::Bytes;

std::wstring ExceptionText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return L"(nothing raised)";
}

std::set<std::string> TemporarySkinFiles()
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((TemporaryFolder() + "*.ssk").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::wstring ExecutableFolder()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\'));
}

// A small skin: a title bar of the given piece widths and a button strip of 18 frames.
Bytes TitleSkin(int left, int right, int buttonsWidth, bool fiveSections, bool withCheckMark)
{
    auto solid = [](uint32_t c) { return [c](int, int) { return c; }; };
    std::vector<testing::Sk2Record> records = {
        {"SKIN2_TRANSCOLOR", 1, testing::IntegerData(0xFF00FF)},
        {"SKIN2_FORMCOLOR", 1, testing::IntegerData(0x336699)},
        {"SKIN2_TITLEBAR1", 0, testing::MakeBmp24(left, 20, solid(0x0000AA))},
        {"SKIN2_TITLEBAR3", 0, testing::MakeBmp24(right, 20, solid(0x00AA00))},
        {"SKIN2_TITLEBUTTONS", 0, testing::MakeBmp24(buttonsWidth, 14, solid(0xAA0000))},
        {"SKIN2_TITLEFIVESECT", 2, {static_cast<uint8_t>(fiveSections)}},
    };
    if (withCheckMark)
        records.push_back({"SKIN2_CHECKEDMENUICON", 0,
                           testing::MakeBmp24(16, 16, [](int x, int y) { return x == y ? 0x0000FFu : 0xFF00FFu; })});
    return testing::MakeSk2(records);
}

class Engine : public ::testing::Test {
protected:
    void SetUp() override { form = new TForm(Application), form->InitForm(test::FormLayout(200, 100)); }
    void TearDown() override { form->Free(); }
    TForm* form = nullptr;
};

// Freed, the engine says it is going before it frees its frame skinners, so that every skinner
// they free passes messages straight on (an engine whose own query hid the marking step never did).
TEST(EngineTeardown, SaysItIsGoingBeforeItFreesItsFrameSkinners)
{
    struct Witness : TComponent {
        explicit Witness(TkrvSkinEngine* engine) : TComponent(nullptr), engine(engine) {}
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation == opRemove && component != engine) {
                ++framesFreed;
                engineGoing = engine->IsDestroying();
            }
        }
        TkrvSkinEngine* engine;
        int framesFreed = 0;
        bool engineGoing = false;
    };
    test::SkinnedForm skinned(test::FormLayout(200, 100));
    TkrvSkinEngine* engine = skinned.Engine();
    EXPECT_FALSE(engine->IsDestroying());
    TComponentPtr<Witness> witness(new Witness(engine));
    witness->FreeNotification(engine->FindSkinWindow(skinned.Window()));
    engine->Free();
    EXPECT_EQ(witness->framesFreed, 1);
    EXPECT_TRUE(witness->engineGoing);
}

TEST_F(Engine, MayOnlyBePlacedOnAFormOnceAndOnlyTheFirstHooks)
{
    TComponentPtr<TComponent> notAForm(new TComponent(nullptr));
    EXPECT_EQ(ExceptionText([&] { NewComponent<TkrvSkinEngine>(notAForm.get()); }), L"Must be placed on a Form");
    EXPECT_EQ(notAForm->ComponentCount(), 0);

    auto* engine = NewComponent<TkrvSkinEngine>(form);
    EXPECT_EQ(WorkingEngine(), engine);
    EXPECT_EQ(ExceptionText([&] { NewComponent<TkrvSkinEngine>(form); }),
              L"One form can only catch one TkrvSkinEngine!");
    EXPECT_EQ(form->ComponentCount(), 1);

    TComponentPtr<TForm> other(new TForm(nullptr));
    other->InitForm(test::FormLayout(100, 100));
    NewComponent<TkrvSkinEngine>(other.get());
    EXPECT_EQ(WorkingEngine(), engine) << "a second engine elsewhere neither hooks nor works";
    engine->Free();
    EXPECT_EQ(WorkingEngine(), nullptr);
}

TEST_F(Engine, StoredValuesAndSetterRules)
{
    auto* engine = NewComponent<TkrvSkinEngine>(form);
    EXPECT_FALSE(engine->Active());
    EXPECT_FALSE(engine->Ready());
    EXPECT_EQ(engine->DisabledTag(), 9999);
    EXPECT_TRUE(engine->DrawScrollBar() && engine->SkinDialogs() && engine->SkinAllForms());
    EXPECT_EQ(engine->ResSysMenuMax(), L"Ma&ximize/Restore");
    engine->SetVersion(L"9.9");
    EXPECT_EQ(engine->Version(), L"4.6");
    engine->SetReady(true);
    EXPECT_FALSE(engine->Ready());
    EXPECT_EQ(ExceptionText([&] { engine->SetBuiltIn(true); }),
              L"BuiltIn property only can be specified at design time!");
    engine->SetResSysMenuClose(L"Schlie&ssen");
    EXPECT_EQ(engine->SystemMenu()->Items()->Items(3)->Caption(), L"Schlie&ssen");
    EXPECT_EQ(engine->SystemMenu()->Items()->Items(2)->Caption(), L"-");
    EXPECT_EQ(engine->SystemMenu()->Items()->Items(0)->Caption(), L"Mi&nimize");
    EXPECT_EQ(engine->SystemMenu()->Items()->Items(1)->Caption(), L"Ma&ximize/Restore");
}

// A skin file named with a folder it is not in is found beside the program, and the path found is
// kept; a name found nowhere changes nothing; a package the reader rejects clears SkinFile.
TEST_F(Engine, SkinFileIsSearchedBesideTheProgram)
{
    auto* engine = NewComponent<TkrvSkinEngine>(form);
    std::wstring beside = ExecutableFolder() + L"\\engine_test_skin.ssk";
    ASSERT_TRUE(CopyFileW(Utf8ToWide(test::BuiltinSkinPath()).c_str(), beside.c_str(), FALSE));
    engine->SetSkinFile(L"C:\\no\\such\\folder\\engine_test_skin.ssk");
    DeleteFileW(beside.c_str());
    EXPECT_EQ(engine->SkinFile(), beside);
    EXPECT_TRUE(engine->Ready());

    engine->SetSkinFile(L"C:\\no\\such\\folder\\missing_everywhere.ssk");
    EXPECT_EQ(engine->SkinFile(), beside);
    EXPECT_TRUE(engine->Ready());

    testing::PackageFile broken(Bytes{'S', 'K', 1, 2, 3});
    EXPECT_NE(ExceptionText([&] { engine->SetSkinFile(Utf8ToWide(broken.Path())); }), L"(nothing raised)");
    EXPECT_EQ(engine->SkinFile(), L"");
}

// The package streamed with a layout is loaded through a temporary file that is gone afterwards;
// SkinFile keeps what the layout stored.
TEST(EngineLayout, StreamedSkinDataLoadsAndLeavesNoTemporaryFile)
{
    std::set<std::string> before = TemporarySkinFiles();
    std::string hex;
    {
        std::FILE* f = std::fopen(test::BuiltinSkinPath().c_str(), "rb");
        ASSERT_NE(f, nullptr);
        for (int c; (c = std::fgetc(f)) != EOF;) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", c);
            hex += digits;
        }
        std::fclose(f);
    }
    std::string layout = test::FormLayout(200, 100,
                                          "  object krvSkinEngine1: TkrvSkinEngine\n    Active = True\n"
                                          "    BuiltIn = True\n    SkinData = {" +
                                              hex + "}\n  end\n");
    auto* form = new TForm(Application);
    form->InitForm(layout);
    auto* engine = static_cast<TkrvSkinEngine*>(form->FindComponent(L"krvSkinEngine1"));
    ASSERT_NE(engine, nullptr);
    EXPECT_TRUE(engine->Ready());
    EXPECT_TRUE(engine->BuiltIn());
    EXPECT_EQ(engine->SkinFile(), L"");
    EXPECT_NE(engine->FindSkinWindow(form->Handle()), nullptr) << "Loaded skins the owner form";
    EXPECT_EQ(TemporarySkinFiles(), before);
    form->Free();
}

// The metrics follow the skin; the narrowest form leaves room for the end pieces and three title
// buttons, side by side with five sections.
TEST_F(Engine, MetricsAndMinimumWidthFollowTheSkin)
{
    auto* engine = NewComponent<TkrvSkinEngine>(form);
    engine->SetSkinFile(Utf8ToWide(test::BuiltinSkinPath()));
    TkrvSkinReader& skin = test::BuiltinSkin();
    EXPECT_EQ(engine->Metrics().titleBarHeight, skin.GetBitmap(SKIN2_TITLEBAR1)->Height());
    EXPECT_EQ(engine->Metrics().leftBorderWidth, skin.GetBitmap(SKIN2_FORMLEFTBORDER)->Width());
    EXPECT_EQ(engine->Metrics().bottomBorderHeight, skin.GetBitmap(SKIN2_FORMBOTTOMBORDER1)->Height());
    EXPECT_EQ(engine->FormColor(), skin.GetColor(SKIN2_FORMCOLOR));
    EXPECT_EQ(engine->Metrics().menuColors[mcSelectedMenuFont], skin.GetColor(SKIN2_SELECTEDMENUFONTCOLOR));

    testing::PackageFile three(testing::MakeStoredPackage(TitleSkin(40, 30, 180, false, false)));
    engine->SetSkinFile(Utf8ToWide(three.Path()));
    EXPECT_EQ(engine->MinFormWidth(), 40 + (180 / 6 + 35));
    testing::PackageFile wideEnd(testing::MakeStoredPackage(TitleSkin(40, 90, 180, false, false)));
    engine->SetSkinFile(Utf8ToWide(wideEnd.Path()));
    EXPECT_EQ(engine->MinFormWidth(), 40 + 90);
    testing::PackageFile five(testing::MakeStoredPackage(TitleSkin(40, 30, 180, true, false)));
    engine->SetSkinFile(Utf8ToWide(five.Path()));
    EXPECT_EQ(engine->MinFormWidth(), 40 + 30 + 180 / 6 + 35);
    EXPECT_EQ(engine->Metrics().formColor, 0x336699);
}

// A skin without its own check mark keeps the built-in one; a skin with one replaces it.
TEST_F(Engine, TheCheckMarkComesFromTheSkinWhenItHasOne)
{
    TCustomImageList* marks = MenuCheckImages();
    ASSERT_EQ(marks->Count(), 1);
    TBitmap builtIn;
    ASSERT_TRUE(marks->GetBitmap(0, builtIn));
    auto* engine = NewComponent<TkrvSkinEngine>(form);
    testing::PackageFile plain(testing::MakeStoredPackage(TitleSkin(40, 30, 180, false, false)));
    engine->SetSkinFile(Utf8ToWide(plain.Path()));
    TBitmap kept;
    ASSERT_TRUE(marks->GetBitmap(0, kept));
    EXPECT_EQ(marks->Count(), 1);
    EXPECT_EQ(kept.Pixel(4, 9), builtIn.Pixel(4, 9));

    testing::PackageFile marked(testing::MakeStoredPackage(TitleSkin(40, 30, 180, false, true)));
    engine->SetSkinFile(Utf8ToWide(marked.Path()));
    TBitmap replaced;
    ASSERT_TRUE(marks->GetBitmap(0, replaced));
    EXPECT_EQ(marks->Count(), 1);
    EXPECT_EQ(replaced.Pixel(5, 5), 0x0000FF);
    EXPECT_EQ(replaced.Pixel(9, 5), 0) << "the key colour is masked out";

    engine->SetSkinFile(Utf8ToWide(test::BuiltinSkinPath()));  // leaves the built-in skin's mark for later tests
}

// SkinOpenForms skins every open form but those carrying the disabled tag; SkinAllForms off
// removes the other forms' skinners and keeps the owner's; Active off keeps every skinner.
TEST_F(Engine, WhichFormsAreSkinned)
{
    auto* engine = NewComponent<TkrvSkinEngine>(form);
    engine->SetSkinFile(Utf8ToWide(test::BuiltinSkinPath()));
    engine->SetActive(true);
    engine->SkinMainForm(form);
    TComponentPtr<TForm> second(new TForm(nullptr)), disabled(new TForm(nullptr));
    second->InitForm(test::FormLayout(100, 100));
    disabled->InitForm(test::FormLayout(100, 100));
    disabled->SetTag(9999);
    engine->SkinOpenForms();
    EXPECT_NE(engine->FindSkinWindow(second->Handle()), nullptr);
    EXPECT_EQ(engine->FindSkinWindow(disabled->Handle()), nullptr);
    EXPECT_EQ(SendMessageW(second->Handle(), WM_KRV_QUERYSKINNED, 0, 0), 1);
    size_t count = engine->SkinWindows().size();
    engine->SkinOpenForms();
    EXPECT_EQ(engine->SkinWindows().size(), count) << "no form is skinned twice";

    engine->SetActive(false);
    EXPECT_EQ(engine->SkinWindows().size(), count);
    EXPECT_EQ(SendMessageW(second->Handle(), WM_KRV_QUERYSKINNED, 0, 0), 0) << "nothing answers while off";
    engine->SetActive(true);

    engine->SetSkinAllForms(false);
    ASSERT_EQ(engine->SkinWindows().size(), 1u);
    EXPECT_EQ(engine->SkinWindows()[0]->GetHandle(), form->Handle());
    EXPECT_EQ(SendMessageW(second->Handle(), WM_KRV_QUERYSKINNED, 0, 0), 0);
    engine->SetSkinAllForms(true);
    EXPECT_NE(engine->FindSkinWindow(second->Handle()), nullptr);
}

}  // namespace
}  // namespace ov
