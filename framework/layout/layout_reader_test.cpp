// Stored layouts read into real forms: components by class name, properties by name, fields and
// handlers by name, references, extra binary data, collections, the order of Loaded and OnCreate,
// scaling, and refusals naming the line.
#include "framework/layout/layout_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/core/collection.h"
#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/forms/menus.h"
#include "framework/controls/panel.h"
#include "framework/graphics/picture.h"
#include "framework/forms/screen.h"
#include "framework/core/streams.h"

namespace ov {
namespace {

std::vector<std::string>* eventLog = nullptr;
void Log(std::string line)
{
    if (eventLog)
        eventLog->push_back(std::move(line));
}

// A component with stored binary data, a collection and a value list, as components such as the
// skin engine have.
class TDataHolder : public TComponent {
    OV_CLASS(TDataHolder, TComponent)

    explicit TDataHolder(TComponent* owner)
        : TComponent(owner),
          items_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TItem>(c); }, this))
    {
    }
    struct TItem : TCollectionItem {
        OV_CLASS(TItem, TCollectionItem)
        explicit TItem(TCollection* c) : TCollectionItem(c) {}
        std::wstring Text;
        [[nodiscard]] const std::wstring& GetText() const { return Text; }
        void SetText(const std::wstring& v) { Text = v; }
    };
    std::vector<std::uint8_t> data;
    std::vector<std::wstring> lines;
    TControl* Target = nullptr;
    [[nodiscard]] TCollection* Items() const { return items_.get(); }
    [[nodiscard]] TControl* GetTarget() const { return Target; }
    void SetTarget(TControl* c) { Target = c; }
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(L"SkinData", [this](TStream& s) {
            data.resize(static_cast<size_t>(s.Size()));
            s.ReadBuffer(data.data(), s.Size());
        });
        filer.DefineProperty(L"Strings", [this](const TValue& v) { lines = std::get<std::vector<std::wstring>>(v); });
    }
    void Loaded() override
    {
        TComponent::Loaded();
        Log("loaded " + std::string(Target ? "with" : "without") + " target");
    }

private:
    std::unique_ptr<TCollection> items_;
};

const TClassInfo& TDataHolder::TItem::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TItem>(L"TDataHolderItem", TCollectionItem::StaticClass())
                                        .Property(L"Text", &TItem::GetText, &TItem::SetText)
                                        .Build();
    return info;
}

const TClassInfo& TDataHolder::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDataHolder>(L"TDataHolder", TComponent::StaticClass())
                                        .Creatable()
                                        .Property(L"Items", &TDataHolder::Items)
                                        .Property(L"Target", &TDataHolder::GetTarget, &TDataHolder::SetTarget)
                                        .Build();
    return info;
}

class TAboutForm : public TForm {
    OV_CLASS(TAboutForm, TForm)

    explicit TAboutForm(TComponent* owner) : TForm(owner) {}
    TPanel* Panel1 = nullptr;
    TLabel* Label2 = nullptr;
    TButton* OKButton = nullptr;
    TImage* ProgramIcon = nullptr;
    TDataHolder* Holder = nullptr;
    int label2Clicks = 0;
    void Label2Click(TObject*) { ++label2Clicks; }
    void FormCreate(TObject*)
    {
        Log("create");
        if (throwInCreate)
            throw Exception(L"Resource rtf_5 not found");
    }
    bool throwInCreate = false;

protected:
    void Constructed() override { Log("constructed"); }
};

const TClassInfo& TAboutForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TAboutForm>(L"TAboutForm", TForm::StaticClass())
                                        .Field(L"Panel1", &TAboutForm::Panel1)
                                        .Field(L"Label2", &TAboutForm::Label2)
                                        .Field(L"OKButton", &TAboutForm::OKButton)
                                        .Field(L"ProgramIcon", &TAboutForm::ProgramIcon)
                                        .Field(L"Holder", &TAboutForm::Holder)
                                        .Method(L"Label2Click", &TAboutForm::Label2Click)
                                        .Method(L"FormCreate", &TAboutForm::FormCreate)
                                        .Build();
    return info;
}

// A one-pixel 24-bit BMP file, red, as a picture's Data.
std::string PictureData()
{
    const unsigned char bmp[] = {'B', 'M', 58,  0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                 40,  0,   0,   0, 1, 0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
                                 4,   0,   0,   0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // info header
                                 0,   0,   255, 0};            // one red pixel, padded
    std::string hex = "{07 54 42 69 74 6D 61 70 3A 00 00 00";  // "TBitmap", size 58
    char buffer[4];
    for (unsigned char b : bmp) {
        snprintf(buffer, sizeof buffer, " %02X", b);
        hex += buffer;
    }
    return hex + "}";
}

std::string AboutLayout(bool oldCreateOrder)
{
    return std::string(
               "object AboutForm: TAboutForm\n"
               "  Left = 200\n"
               "  Top = 108\n"
               "  BorderStyle = bsDialog\n"
               "  Caption = '\xE5\x85\xB3\xE4\xBA\x8E'\n"
               "  ClientHeight = 185\n"
               "  ClientWidth = 417\n"
               "  Color = clBtnFace\n"
               "  Font.Charset = DEFAULT_CHARSET\n"
               "  Font.Color = clWindowText\n"
               "  Font.Height = -11\n"
               "  Font.Name = 'MS Sans Serif'\n"
               "  Font.Style = []\n"
               "  OldCreateOrder = ") +
           (oldCreateOrder ? "True" : "False") +
           "\n"
           "  Position = poScreenCenter\n"
           "  OnCreate = FormCreate\n"
           "  PixelsPerInch = 96\n"
           "  TextHeight = 13\n"
           "  object Panel1: TPanel\n"
           "    Left = 8\n"
           "    Top = 8\n"
           "    Width = 401\n"
           "    Height = 135\n"
           "    BevelInner = bvRaised\n"
           "    BevelOuter = bvLowered\n"
           "    ParentColor = True\n"
           "    TabOrder = 0\n"
           "    object ProgramIcon: TImage\n"
           "      Left = 16\n"
           "      Top = 16\n"
           "      Width = 57\n"
           "      Height = 49\n"
           "      Stretch = True\n"
           "      Picture.Data = " +
           PictureData() +
           "\n"
           "    end\n"
           "    object Label2: TLabel\n"
           "      Left = 142\n"
           "      Top = 79\n"
           "      Width = 199\n"
           "      Height = 16\n"
           "      Cursor = crHandPoint\n"
           "      Caption = 'http://example.org/'\n"
           "      Font.Color = clBlue\n"
           "      Font.Height = -13\n"
           "      Font.Name = 'Tahoma'\n"
           "      Font.Style = [fsUnderline]\n"
           "      ParentFont = False\n"
           "      OnClick = Label2Click\n"
           "    end\n"
           "  end\n"
           "  object OKButton: TButton\n"
           "    Left = 167\n"
           "    Top = 151\n"
           "    Width = 75\n"
           "    Height = 25\n"
           "    Caption = '\xE7\xA1\xAE\xE5\xAE\x9A'\n"
           "    Default = True\n"
           "    ModalResult = 1\n"
           "    TabOrder = 1\n"
           "  end\n"
           "  object Holder: TDataHolder\n"
           "    Target = Panel1\n"
           "    SkinData = {4B52 4156}\n"
           "    Strings = ('one' 'two')\n"
           "    Items = <\n"
           "      item\n"
           "        Text = 'first'\n"
           "      end>\n"
           "  end\n"
           "end\n";
}

struct LayoutReaderTest : ::testing::Test {
    std::vector<std::string> log;
    void SetUp() override { eventLog = &log; }
    void TearDown() override { eventLog = nullptr; }
};

TEST_F(LayoutReaderTest, BuildsTheTreeWithPropertiesFieldsAndHandlers)
{
    TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
    form->InitForm(AboutLayout(true));
    EXPECT_EQ(form->Name(), L"AboutForm");
    EXPECT_EQ(form->Caption(), L"\x5173\x4E8E");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->Position(), poScreenCenter);
    EXPECT_EQ(form->ClientWidth(), 417);
    EXPECT_EQ(form->ClientHeight(), 185);
    EXPECT_EQ(form->Font()->Name(), L"MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);

    ASSERT_NE(form->Panel1, nullptr);
    ASSERT_NE(form->Label2, nullptr);
    ASSERT_NE(form->OKButton, nullptr);
    EXPECT_EQ(form->Panel1->Parent(), form.get());
    EXPECT_EQ(form->Label2->Parent(), form->Panel1);
    EXPECT_EQ(form->Label2->Owner(), form.get());
    EXPECT_EQ(form->Panel1->BevelInner(), bvRaised);
    EXPECT_EQ(form->Panel1->BevelOuter(), bvLowered);
    EXPECT_TRUE(form->Panel1->ParentColor());
    EXPECT_EQ(form->Panel1->Color(), clBtnFace);
    EXPECT_EQ(form->Label2->Cursor(), crHandPoint);
    EXPECT_EQ(form->Label2->Font()->Name(), L"Tahoma");
    EXPECT_EQ(form->Label2->Font()->Style(), TFontStyles{fsUnderline});
    EXPECT_FALSE(form->Label2->ParentFont());
    EXPECT_EQ(form->OKButton->Caption(), L"\x786E\x5B9A");
    EXPECT_TRUE(form->OKButton->Default());
    EXPECT_EQ(form->OKButton->ModalResult(), mrOk);
    EXPECT_EQ(form->OKButton->TabOrder(), 1);
    EXPECT_EQ(form->Panel1->TabOrder(), 0);

    // The picture came from the binary Data property.
    ASSERT_NE(form->ProgramIcon->Picture()->Graphic(), nullptr);
    EXPECT_EQ(form->ProgramIcon->Picture()->Width(), 1);
    EXPECT_TRUE(form->ProgramIcon->Stretch());

    // Extra binary data, value lists and collections reach the component.
    EXPECT_EQ(form->Holder->data, (std::vector<std::uint8_t>{0x4B, 0x52, 0x41, 0x56}));
    EXPECT_EQ(form->Holder->lines, (std::vector<std::wstring>{L"one", L"two"}));
    ASSERT_EQ(form->Holder->Items()->Count(), 1);
    EXPECT_EQ(static_cast<TDataHolder::TItem*>(form->Holder->Items()->Items(0))->Text, L"first");
    EXPECT_EQ(form->Holder->Target, form->Panel1);

    // The handler named in the layout is bound: a press and release on the label clicks it.
    HWND panel = form->Panel1->Handle();
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 85));
    SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(150, 85));
    EXPECT_EQ(form->label2Clicks, 1);
}

// References are resolved before any Loaded runs; OnCreate comes after every Loaded, before the
// form's own construction step (OldCreateOrder True) or after it (False).
TEST_F(LayoutReaderTest, CreationOrder)
{
    {
        TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
        form->InitForm(AboutLayout(false));
        EXPECT_EQ(log, (std::vector<std::string>{"loaded with target", "constructed", "create"}));
    }
    log.clear();
    {
        TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
        form->InitForm(AboutLayout(true));
        EXPECT_EQ(log, (std::vector<std::string>{"loaded with target", "create", "constructed"}));
    }
}

// An exception in OnCreate goes to the application's handler; the form is made all the same.
TEST_F(LayoutReaderTest, ExceptionInCreateHandlerIsHandledAndTheFormLives)
{
    std::wstring handled;
    TExceptionEvent saved = Application->OnException;
    Application->OnException = [&](TObject*, const std::exception_ptr& e) { handled = ExceptionMessage(e); };
    TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
    form->throwInCreate = true;
    form->InitForm(AboutLayout(false));
    Application->OnException = saved;
    EXPECT_EQ(handled, L"Resource rtf_5 not found");
    EXPECT_NE(form->OKButton, nullptr);
}

TEST_F(LayoutReaderTest, BadLayoutsRaiseNamingTheLine)
{
    struct Case {
        const char* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"object F: TAboutForm\n  object X: TNoSuchClass\n  end\nend\n", L"line 2: class TNoSuchClass not found"},
        {"object F: TAboutForm\n  Left = 1\n  Wobble = 3\nend\n", L"line 3: property Wobble does not exist"},
        {"object F: TAboutForm\n  Left = 'x'\nend\n", L"line 2: invalid value"},
        {"object F: TAboutForm\n  BorderStyle = bsRound\nend\n", L"line 2: invalid value"},
        {"object F: TAboutForm\n  OnCreate = NoSuchMethod\nend\n", L"line 2: method NoSuchMethod not found"},
        {"object F: TAboutForm\n  object Holder: TDataHolder\n\n    Target = Nobody\n  end\nend\n",
         L"line 4: component Nobody not found"},
        {"object F: TAboutForm\n  object Panel1: TButton\n  end\nend\n", L"line 2: field Panel1 is not of class"},
        {"object F: TAboutForm\n  object A: TButton\n  end\n  object A: TButton\n  end\nend\n",
         L"line 4: A component named A already exists"},
        {"object F: TOtherForm\nend\n", L"line 1: the layout is for class TOtherForm"},
        {"object F: TAboutForm\n  Font.Nope = 1\nend\n", L"line 2: property Nope does not exist"},
    };
    for (const Case& c : cases) {
        TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
        try {
            form->InitForm(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find(c.expected), std::wstring::npos) << e.what();
        }
    }
}

// Application->CreateForm frees a form whose layout cannot be read and clears the reference.
TEST_F(LayoutReaderTest, CreateFormFreesTheFormWhenItsLayoutIsMissing)
{
    int before = Screen->CustomFormCount();
    TAboutForm* form = reinterpret_cast<TAboutForm*>(1);
    try {
        Application->CreateForm(&form);
        ADD_FAILURE() << "a form class without a layout resource was created";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Resource TABOUTFORM not found");
    }
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Screen->CustomFormCount(), before);
}

// The layout stored as an RT_RCDATA resource of a module (here a copy of this program with one
// added, loaded as data), found by name ignoring case.
TEST_F(LayoutReaderTest, ReadsTheLayoutResourceOfAModule)
{
    wchar_t self[MAX_PATH], folder[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    GetTempPathW(MAX_PATH, folder);
    std::wstring copy = std::wstring(folder) + L"ovlayout" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    ASSERT_TRUE(CopyFileW(self, copy.c_str(), FALSE));
    std::string text = AboutLayout(false);
    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    ASSERT_TRUE(update);
    UpdateResourceW(update, RT_RCDATA, L"TABOUTFORM", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), text.data(),
                    static_cast<DWORD>(text.size()));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
    HMODULE module = LoadLibraryExW(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    {
        TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
        EXPECT_TRUE(ReadLayoutResource(*form, L"TAboutForm", module));
        EXPECT_NE(form->OKButton, nullptr);
        TComponentPtr<TAboutForm> other(new TAboutForm(nullptr));
        EXPECT_FALSE(ReadLayoutResource(*other, L"TFORM1", module));
    }
    FreeLibrary(module);
    DeleteFileW(copy.c_str());
}

// A layout made at 48 pixels per inch is scaled to the screen's density.
TEST_F(LayoutReaderTest, ScaledLayoutFollowsTheScreenDensity)
{
    std::string layout = AboutLayout(false);
    layout.replace(layout.find("PixelsPerInch = 96"), 18, "PixelsPerInch = 48");
    TComponentPtr<TAboutForm> form(new TAboutForm(nullptr));
    form->InitForm(layout);
    int ppi = ScreenPixelsPerInch();
    EXPECT_EQ(form->PixelsPerInch(), ppi);
    EXPECT_EQ(form->ClientWidth(), MulDiv(417, ppi, 48));
    EXPECT_EQ(form->OKButton->Left(), MulDiv(167, ppi, 48));
    EXPECT_EQ(form->OKButton->Width(), MulDiv(167 + 75, ppi, 48) - MulDiv(167, ppi, 48));
    EXPECT_EQ(form->Label2->Font()->Height(), MulDiv(-13, ppi, 48));
}

}  // namespace
}  // namespace ov
