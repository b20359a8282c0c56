// TkrvSkinEngine: properties, loading a skin (file or streamed package), applying it to every
// frame skinner, the frame skinners' list and the system menu of skinned windows.
#include "skin/engine/skin_engine.h"

#include <algorithm>

#include "framework/forms/application.h"
#include "framework/core/exception.h"
#include "framework/core/file_stream.h"
#include "framework/core/filer.h"
#include "framework/forms/screen.h"
#include "framework/core/streams.h"
#include "framework/core/unicode.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/temp_file.h"
#include "skin/data/user32_entries_win.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"
#include "skin/engine/skin_window_vcl.h"
#include "skin/engine/skin_window_wnd.h"

namespace ov {

namespace {

bool FileExists(const std::wstring& path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring FileNamePart(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring JoinPath(std::wstring folder, const std::wstring& name)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder + name;
}

std::wstring ExecutableFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, length);
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring WindowsFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    UINT length = ::GetWindowsDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

std::wstring SystemFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    UINT length = ::GetSystemDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

// The file as named, else its name beside the program, in the Windows folder, in the system folder.
std::wstring FindSkinFile(const std::wstring& name)
{
    if (FileExists(name))
        return name;
    std::wstring fileName = FileNamePart(name);
    for (const std::wstring& folder : {ExecutableFolder(), WindowsFolder(), SystemFolder()}) {
        std::wstring candidate = JoinPath(folder, fileName);
        if (FileExists(candidate))
            return candidate;
    }
    return {};
}

// `base` + ".ssk", or with 1, 2, ... before the extension until no such file exists.
std::wstring UniqueSkinFileName(const std::wstring& base)
{
    std::wstring name = base + L".ssk";
    for (int n = 1; FileExists(name); ++n)
        name = base + std::to_wstring(n) + L".ssk";
    return name;
}

bool SaveToFile(const TMemoryStream& data, const std::wstring& path)
{
    try {
        data.SaveToFile(path);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

// Keeps the system from asking the user about a missing disk while a skin file is looked for.
class QuietErrorMode {
public:
    QuietErrorMode() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietErrorMode() { ::SetErrorMode(previous_); }

private:
    UINT previous_;
};

// A temporary copy of a streamed package that is deleted however loading it ends.
class TemporaryPackage {
public:
    TemporaryPackage(TStream& stream, const std::wstring& baseName, int attempts)
    {
        stream.SetPosition(0);
        data_.LoadFromStream(stream);
        std::wstring base = baseName;
        for (int i = 0; i < attempts; ++i) {
            std::wstring candidate = UniqueSkinFileName(base);
            if (SaveToFile(data_, candidate)) {
                path_ = candidate;
                return;
            }
            base = Utf8ToWide(NewTemporaryFileName());
        }
    }
    ~TemporaryPackage()
    {
        if (!path_.empty())
            ::DeleteFileW(path_.c_str());
    }
    [[nodiscard]] const std::wstring& Path() const { return path_; }

private:
    TMemoryStream data_;
    std::wstring path_;
};

// Saving into the temporary folder can fail when it is full or locked; a few fresh names are tried.
constexpr int kTemporarySaveAttempts = 5;

}  // namespace

TkrvSkinMetrics ReadSkinMetrics(const TkrvSkinReader& reader)
{
    TkrvSkinMetrics m;
    m.titleBarHeight = HeightOf(reader.GetBitmap(SKIN2_TITLEBAR1));
    m.leftBorderWidth = WidthOf(reader.GetBitmap(SKIN2_FORMLEFTBORDER));
    m.rightBorderWidth = WidthOf(reader.GetBitmap(SKIN2_FORMRIGHTBORDER));
    m.bottomBorderHeight = HeightOf(reader.GetBitmap(SKIN2_FORMBOTTOMBORDER1));
    m.transColor = reader.GetColor(SKIN2_TRANSCOLOR);
    m.formColor = reader.GetColor(SKIN2_FORMCOLOR);
    m.iconX = reader.GetInteger(SKIN2_TITLEBARICONPOSX);
    m.iconY = reader.GetInteger(SKIN2_TITLEBARICONPOSY);
    m.buttonX = reader.GetInteger(SKIN2_TITLEBARBUTTONPOSX);
    m.buttonY = reader.GetInteger(SKIN2_TITLEBARBUTTONPOSY);
    m.captionTop = reader.GetInteger(SKIN2_TITLEBARCAPTIONTOP);
    m.titleFontColor = reader.GetColor(SKIN2_TITLEFONTCOLOR);
    m.titleRegionMinY = reader.GetInteger(SKIN2_TITLEBARREGIONMINY);
    m.titleRegionMaxY = reader.GetInteger(SKIN2_TITLEBARREGIONMAXY);
    m.bottomRegionMinY = reader.GetInteger(SKIN2_BOTTOMREGIONMINY);
    m.bottomRegionMaxY = reader.GetInteger(SKIN2_BOTTOMREGIONMAXY);
    static constexpr Skin2Color kMenuColors[kMenuColorCount] = {
        SKIN2_MENUBARSTARTCOLOR,          SKIN2_MENUBARENDCOLOR,          SKIN2_TOPSELECTEDMENUCOLOR,
        SKIN2_TOPSELECTEDMENUBORDERCOLOR, SKIN2_TOPSELECTEDMENUFONTCOLOR, SKIN2_TOPMENUFONTCOLOR,
        SKIN2_LEFTBARSTARTCOLOR,          SKIN2_LEFTBARENDCOLOR,          SKIN2_MENUITEMCOLOR,
        SKIN2_MENUITEMFONTCOLOR,          SKIN2_SELECTEDMENUCOLOR,        SKIN2_SELECTEDMENUBORDERCOLOR,
        SKIN2_SELECTEDMENUFONTCOLOR};
    for (int i = 0; i < kMenuColorCount; ++i)
        m.menuColors[i] = reader.GetColor(kMenuColors[i]);
    return m;
}

int ComputeMinFormWidth(const TkrvSkinReader& reader)
{
    int left = WidthOf(reader.GetBitmap(SKIN2_TITLEBAR1));
    int right = WidthOf(reader.GetBitmap(SKIN2_TITLEBAR3));
    int buttons = WidthOf(reader.GetBitmap(SKIN2_TITLEBUTTONS)) / 6 + 35;  // three of the 18 frames, and room
    if (reader.GetBoolean(SKIN2_TITLEFIVESECT))
        return left + right + buttons;
    return left + std::max(right, buttons);
}

// --- TkrvSkinCollection -----------------------------------------------------------------------------

const TClassInfo& TkrvSkinCollectionItem::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinCollectionItem>(L"TkrvSkinCollectionItem", TCollectionItem::StaticClass())
            .Property(L"SkinFile", &TkrvSkinCollectionItem::SkinFile, &TkrvSkinCollectionItem::SetSkinFile)
            .Property(L"Password", &TkrvSkinCollectionItem::Password, &TkrvSkinCollectionItem::SetPassword)
            .Build();
    return info;
}

TkrvSkinCollectionItem::TkrvSkinCollectionItem(TCollection* collection)
    : TCollectionItem(collection), FReader(std::make_unique<TkrvSkinReader>())
{
}

TkrvSkinCollectionItem::~TkrvSkinCollectionItem() = default;

void TkrvSkinCollectionItem::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(L"SkinData", [this](TStream& stream) { LoadSkinData(stream); });
}

void TkrvSkinCollectionItem::LoadSkinData(TStream& stream)
{
    TemporaryPackage package(stream, Utf8ToWide(TemporaryFolder()) + L"KRVSKNT", 1);
    if (!package.Path().empty())
        FReader->Load(WideToAnsi(package.Path()), WideToAnsi(FPassword));
}

const TClassInfo& TkrvSkinCollection::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinCollection>(L"TkrvSkinCollection", TCollection::StaticClass()).Build();
    return info;
}

TkrvSkinCollection::TkrvSkinCollection(TComponent* engine)
    : TCollection([](TCollection* c) { return std::make_unique<TkrvSkinCollectionItem>(c); }, engine), FEngine(engine)
{
}

// --- TkrvSkinEngine: life ---------------------------------------------------------------------------

// Registered when the program starts, so that layouts can name it.
const bool kEngineRegistered = (TkrvSkinEngine::StaticClass(), true);

const TClassInfo& TkrvSkinEngine::StaticClass()
{
    using E = TkrvSkinEngine;
    static const TClassInfo& info =
        TClassBuilder<E>(L"TkrvSkinEngine", TComponent::StaticClass())
            .Creatable()
            .Property(L"Active", &E::Active, &E::SetActive)
            .Property(L"Ready", &E::Ready, &E::SetReady)
            .Property(L"Password", &E::Password, &E::SetPassword)
            .Property(L"SkinFile", &E::SkinFile, &E::SetSkinFile)
            .Property(L"ResSysMenuMin", &E::ResSysMenuMin, &E::SetResSysMenuMin)
            .Property(L"ResSysMenuMax", &E::ResSysMenuMax, &E::SetResSysMenuMax)
            .Property(L"ResSysMenuClose", &E::ResSysMenuClose, &E::SetResSysMenuClose)
            .Property(L"DisabledTag", &E::DisabledTag, &E::SetDisabledTag)
            .Property(L"DrawScrollBar", &E::DrawScrollBar, &E::SetDrawScrollBar)
            .Property(L"Version", &E::Version, &E::SetVersion)
            .Property(L"BuiltIn", &E::BuiltIn, &E::SetBuiltIn)
            .Property(L"SkinDialogs", &E::SkinDialogs, &E::SetSkinDialogs)
            .Property(L"SkinAllForms", &E::SkinAllForms, &E::SetSkinAllForms)
            .Property(L"AdditionalBuiltInSkins", &E::AdditionalBuiltInSkins)
            .Property(L"NoChangeButtonsFontColor", &E::NoChangeButtonsFontColor, &E::SetNoChangeButtonsFontColor)
            .Property(L"AutoSkinWndClassNames", &E::AutoSkinWndClassNames, &E::SetAutoSkinWndClassNames)
            .Event(L"OnSkinChanged", &E::OnSkinChanged)
            .Event(L"OnSkinChanging", &E::OnSkinChanging)
            .Build();
    return info;
}

TkrvSkinEngine::TkrvSkinEngine(TComponent* owner) : TComponent(owner)
{
    if (!dynamic_cast<TCustomForm*>(owner))
        throw Exception(L"Must be placed on a Form");
    FAdditionalBuiltInSkins = std::make_unique<TkrvSkinCollection>(this);
    FAutoSkinWndClassNames = std::make_unique<TStringList>();
    FAutoSkinWndClassNames->OnChange = TNotifyEvent(this, &TkrvSkinEngine::AutoSkinNamesChanged);
    FOwnReader = std::make_unique<TkrvSkinReader>();
    FOwnReader->SetOnLoaded(TNotifyEvent(this, &TkrvSkinEngine::ApplySkin));
    FReader = FOwnReader.get();
    BuildSystemMenu();
    if (!Designing() && InstallSkinHook(this))
        SetPopupMenuHook([this](TPopupMenu& menu) { PrepareShownPopup(menu); });
}

TkrvSkinEngine::~TkrvSkinEngine() = default;

// Teardown while the engine is whole, in the order skin_window.h gives: marked as destroying (the
// skinners stop dispatching), the hook goes, then every frame skinner.
void TkrvSkinEngine::BeforeDestruction()
{
    Destroying();  // TComponent's: this engine and everything it owns report csDestroying
    if (WorkingEngine() == this && !Designing()) {
        SetPopupMenuHook(nullptr);
        RemoveSkinHook(this);
    }
    ReleaseShownPopups();
    while (!FSkinWindows.empty())
        FSkinWindows.front()->Free();
    if (FSystemMenu) {
        ReleaseMenu(FSystemMenu);
        std::exchange(FSystemMenu, nullptr)->Free();
    }
    TComponent::BeforeDestruction();
}

void TkrvSkinEngine::BuildSystemMenu()
{
    FSystemMenu = new TPopupMenu(nullptr);
    FSystemMenu->SetAutoHotkeys(maManual);
    TNotifyEvent clicks[] = {TNotifyEvent(this, &TkrvSkinEngine::SystemMenuMinimize),
                             TNotifyEvent(this, &TkrvSkinEngine::SystemMenuMaximize), TNotifyEvent(),
                             TNotifyEvent(this, &TkrvSkinEngine::SystemMenuClose)};
    for (int i = 0; i < 4; ++i) {
        auto* item = new TMenuItem(FSystemMenu);
        item->SetCaption(FResSysMenu[static_cast<size_t>(i)]);
        item->OnClick = clicks[i];
        FSystemMenu->Items()->Add(item);
    }
    FSystemMenu->OnPopup = TNotifyEvent(this, &TkrvSkinEngine::SystemMenuPopup);
    PrepareMenu(FSystemMenu);
}

// --- properties ---------------------------------------------------------------------------------------

void TkrvSkinEngine::SetActive(bool value)
{
    FActive = value;
    if (Designing())
        return;
    for (TkrvSkinWindow* skinWindow : std::vector<TkrvSkinWindow*>(FSkinWindows))
        skinWindow->SetSkinActive(value);
}

void TkrvSkinEngine::SetSkinFile(const std::wstring& value)
{
    QuietErrorMode quiet;
    std::wstring found = FindSkinFile(value);
    if (found.empty())
        return;
    FSkinFile = found;
    FReader = FOwnReader.get();
    try {
        FReader->Load(WideToAnsi(found), WideToAnsi(FPassword));
    } catch (const Exception&) {
        FSkinFile.clear();
        if (!Designing())
            throw;
    }
}

void TkrvSkinEngine::SetBuiltIn(bool value)
{
    if (!Designing() && !Loading())
        throw Exception(L"BuiltIn property only can be specified at design time!");
    if (value && Designing() && !Loading() && !FileExists(FSkinFile))
        throw Exception(L"Please specify the SkinFile property first!");
    FBuiltIn = value;
}

void TkrvSkinEngine::SetSkinAllForms(bool value)
{
    FSkinAllForms = value;
    if (Designing() || Loading())
        return;
    value ? SkinOpenForms() : UnskinOtherForms();
}

void TkrvSkinEngine::SetAutoSkinWndClassNames(TStrings* value)
{
    if (value)
        FAutoSkinWndClassNames->Assign(*value);
}

void TkrvSkinEngine::AutoSkinNamesChanged(TObject*) { AddAutoSkinNames(); }

void TkrvSkinEngine::AddAutoSkinNames()
{
    for (int i = 0; i < FAutoSkinWndClassNames->Count(); ++i)
        AddAutoSkinClass(FAutoSkinWndClassNames->Strings(i));
}

void TkrvSkinEngine::SetSystemMenuCaption(int index, const std::wstring& value)
{
    if (FSystemMenu && FSystemMenu->Items()->Count() > index)
        FSystemMenu->Items()->Items(index)->SetCaption(value);
    FResSysMenu[static_cast<size_t>(index)] = value;
}

void TkrvSkinEngine::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(L"SkinData", [this](TStream& stream) { LoadSkinData(stream); });
}

void TkrvSkinEngine::Loaded()
{
    TComponent::Loaded();
    if (!Designing())
        SkinMainForm(static_cast<TCustomForm*>(Owner()));
    AddAutoSkinNames();
}

void TkrvSkinEngine::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (Designing() || component == this)
        return;
    if (operation == opInsert) {
        if (auto* menu = dynamic_cast<TMenu*>(component)) {
            if (menu->Tag() != FDisabledTag && IsWorking())
                PrepareMenu(menu);
        } else if (auto* item = dynamic_cast<TMenuItem*>(component)) {
            if (IsWorking())
                PrepareMenuItem(item);
        } else if (dynamic_cast<TkrvSkinEngine*>(component)) {
            throw Exception(L"One form can only catch one TkrvSkinEngine!");
        }
    } else if (auto* menu = dynamic_cast<TMenu*>(component)) {
        std::erase(FShownPopups, menu);
        ReleaseMenu(menu);
    }
}

bool TkrvSkinEngine::IsWorking() const { return FActive && Ready() && !Designing(); }

// --- loading and applying a skin ------------------------------------------------------------------

void TkrvSkinEngine::LoadSkinData(TStream& stream)
{
    TemporaryPackage package(stream, Utf8ToWide(NewTemporaryFileName()), kTemporarySaveAttempts);
    if (package.Path().empty())
        return;
    std::wstring remembered = FSkinFile;
    SetSkinFile(package.Path());
    FSkinFile = remembered;
}

void TkrvSkinEngine::ApplySkin(TObject*)
{
    FFormBrush.reset();
    OnSkinChanging.Fire(this);
    FMetrics = ReadSkinMetrics(*FReader);
    FFormBrush.reset(::CreateSolidBrush(ColorToRGB(FMetrics.formColor)));
    FMinFormWidth = ComputeMinFormWidth(*FReader);
    FScrollBtnRes.SetReader(FReader);
    FProgressBarRes.SetReader(FReader);
    FTabRes.SetReader(FReader);
    ApplyCheckMark();
    ReapplySkinWindows();
    OnSkinChanged.Fire(this);
}

// A skin with its own check mark replaces the built-in one in the menus' check image list.
void TkrvSkinEngine::ApplyCheckMark()
{
    TBitmap mark;
    if (!GetBitmap(SKIN2_CHECKEDMENUICON, mark) || mark.Width() == 0)
        return;
    TCustomImageList* images = MenuCheckImages();
    mark.SetTransparent(true);
    mark.SetTransparentColor(FMetrics.transColor);
    if (images->Count() == 0) {
        images->SetWidth(mark.Width());
        images->SetHeight(mark.Height());
    }
    if (mark.Width() != images->Width() || mark.Height() != images->Height())
        return;  // the list keeps one size; a differently sized mark is not used
    if (images->Count() > 0)
        images->Delete(0);
    images->AddMasked(mark, FMetrics.transColor);
}

// Every frame skinner switched off and on again, so that it takes the new skin's geometry.
void TkrvSkinEngine::ReapplySkinWindows()
{
    std::vector<TkrvSkinWindow*> windows = FSkinWindows;
    for (size_t i = 0; i < windows.size(); ++i) {
        TkrvSkinWindow* skinWindow = windows[i];
        if (FActive) {
            HWND window = skinWindow->GetHandle();
            bool visible = ::IsWindowVisible(window) != FALSE;
            if (!SkinGetAncestor(window, GA_PARENT))
                ::ShowWindow(window, SW_HIDE);
            skinWindow->SetSkinActive(false);
            skinWindow->SetSkinActive(true);
            if (visible) {
                ::ShowWindow(window, i == 0 ? SW_SHOW : SW_SHOWNA);
                if (i == 0)
                    ::SetActiveWindow(window);
            }
        }
        skinWindow->Refresh();
    }
}

bool TkrvSkinEngine::GetBitmap(Skin2Bitmap id, TBitmap& out, int count, int index) const
{
    const TBitmap* bitmap = FReader->GetBitmap(id);
    if (!bitmap)
        return false;
    if (count > 0)
        CopyCell(bitmap, out, count, index);
    else
        out.Assign(*bitmap);
    return true;
}

// --- frame skinners -----------------------------------------------------------------------------------

TkrvSkinWindow* TkrvSkinEngine::FindSkinWindow(HWND window) const
{
    auto it = std::find_if(FSkinWindows.begin(), FSkinWindows.end(),
                           [window](TkrvSkinWindow* s) { return s->GetHandle() == window; });
    return it == FSkinWindows.end() ? nullptr : *it;
}

void TkrvSkinEngine::RemoveSkinWindow(TkrvSkinWindow* skinWindow)
{
    FSkinWindows.erase(std::remove(FSkinWindows.begin(), FSkinWindows.end(), skinWindow), FSkinWindows.end());
    if (FMenuTarget == skinWindow)
        FMenuTarget = nullptr;
}

void TkrvSkinEngine::AppendSkinWindow(TkrvSkinWindow* skinWindow) { FSkinWindows.push_back(skinWindow); }

void TkrvSkinEngine::SkinMainForm(TCustomForm* form)
{
    if (!form)
        return;
    if (dynamic_cast<TForm*>(form)) {
        SkinWindow(form->Handle(), false);
        return;
    }
    HWND window = form->Handle();
    if (FindSkinWindow(window))
        return;
    AppendSkinWindow(TkrvSkinWindowVCL::Make(window, false, this, form));
}

void TkrvSkinEngine::SkinWindow(HWND window, bool dialog)
{
    if (!window || FindSkinWindow(window))
        return;
    TkrvSkinWindow* skinWindow =
        FindFormByHandle(window) ? static_cast<TkrvSkinWindow*>(TkrvSkinWindowVCL::Make(window, dialog, this, nullptr))
                                 : TkrvSkinWindowWnd::Make(window, dialog, this);
    AppendSkinWindow(skinWindow);
    skinWindow->Refresh();
}

void TkrvSkinEngine::UnskinWindow(HWND window)
{
    TkrvSkinWindow* skinWindow = FindSkinWindow(window);
    if (!skinWindow)
        return;
    FRemoving = true;
    try {
        skinWindow->Free();
    } catch (...) {
        FRemoving = false;
        throw;
    }
    FRemoving = false;
}

void TkrvSkinEngine::SkinOpenForms()
{
    FSkinningAll = true;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->Tag() == FDisabledTag || form->ClassName() == L"TfrmMSNPopForm")
            continue;
        HWND window = form->Handle();
        if (!IsWindowSkinned(window))
            SkinWindow(window, false);
    }
    FSkinningAll = false;
}

void TkrvSkinEngine::UnskinOtherForms()
{
    auto* owner = static_cast<TCustomForm*>(Owner());
    HWND ownerWindow = owner->HandleAllocated() ? owner->WindowHandle() : nullptr;
    for (TkrvSkinWindow* skinWindow : std::vector<TkrvSkinWindow*>(FSkinWindows))
        if (skinWindow->GetHandle() != ownerWindow)
            UnskinWindow(skinWindow->GetHandle());
}

// --- system menu --------------------------------------------------------------------------------------

void TkrvSkinEngine::SystemMenuPopup(TObject*)
{
    if (!FMenuTarget)
        return;
    TMenuItem* items = FSystemMenu->Items();
    if (items->Count() > 3)
        items->Items(3)->SetEnabled(FMenuTarget->DrewCloseButton());
    if (items->Count() > 1)
        items->Items(1)->SetEnabled(FMenuTarget->DrewMaxButton());
    if (items->Count() > 0)
        items->Items(0)->SetEnabled(FMenuTarget->DrewMinButton());
}

void TkrvSkinEngine::SystemMenuMinimize(TObject*)
{
    if (FMenuTarget)
        FMenuTarget->MinimizeRestore();
}

void TkrvSkinEngine::SystemMenuMaximize(TObject*)
{
    if (FMenuTarget)
        FMenuTarget->MaximizeRestore();
}

void TkrvSkinEngine::SystemMenuClose(TObject*)
{
    if (FMenuTarget)
        FMenuTarget->CloseWindow();
}

}  // namespace ov
