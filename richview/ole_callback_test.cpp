// The OLE callback's answers: storages, clipboard gating, data acceptance, drag effects, in-place
// context; and the callback installed on a real rich edit control that loads pictures.
#include "richview/ole_callback.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/core/handle.h"
#include "richview/richedit_library.h"
#include "richview/rtf_samples.h"
#include "richview/test_windows.h"

namespace ov {
namespace {

class TestHost final : public TRichEditOleHost {
public:
    bool allowInPlace = true;
    TOvClipboardCommands commands = kAllClipboardCommands;
    HWND form = nullptr;
    bool autoScroll = true;
    int activations = 0;
    int deactivations = 0;
    bool throwOnQuery = false;
    bool flipRefusal = false;
    bool handleDrag = false;
    TRichDataOperation lastOperation = rdoDrag;
    bool lastDrag = false;
    TShiftState lastKeys;

    [[nodiscard]] bool OleAllowInPlace() const override { return allowInPlace; }
    [[nodiscard]] TOvClipboardCommands OleClipboardCommands() const override { return commands; }
    [[nodiscard]] HWND OleDocumentForm() const override { return form; }
    [[nodiscard]] HWND OleFrameForm() const override { return form; }
    [[nodiscard]] std::vector<ACCEL> OleFrameAccelerators() const override { return {{FVIRTKEY | FCONTROL, 'S', 100}}; }
    [[nodiscard]] bool OleFrameAutoScroll() const override { return autoScroll; }
    void OleSetFrameAutoScroll(bool value) override { autoScroll = value; }
    void OleSetInPlaceActive(bool active) override { ++(active ? activations : deactivations); }
    void OleQueryAcceptData(IDataObject*, CLIPFORMAT&, TRichDataOperation operation, bool, HGLOBAL,
                            bool& refuse) override
    {
        lastOperation = operation;
        if (throwOnQuery)
            throw std::runtime_error("handler failed");
        if (flipRefusal)
            refuse = !refuse;
    }
    bool OleDragDropEffect(bool drag, TShiftState keys, TRichDropEffects& effect) override
    {
        lastDrag = drag;
        lastKeys = keys;
        if (!handleDrag)
            return false;
        effect = {rdeLink};
        return true;
    }
};

TEST(RichEditOleCallback, CountsReferencesWithoutFreeing)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(callback.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    IRichEditOleCallback* same = nullptr;
    ASSERT_EQ(callback.QueryInterface(IID_IRichEditOleCallback, reinterpret_cast<void**>(&same)), S_OK);
    EXPECT_EQ(callback.References(), 2u);
    void* other = &callback;
    EXPECT_EQ(callback.QueryInterface(IID_IOleObject, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(same->Release(), 1u);
    EXPECT_EQ(unknown->Release(), 0u);
    EXPECT_EQ(callback.Release(), 0u);  // never below zero, never freed
}

TEST(RichEditOleCallback, GivesEachObjectAStorageInMemory)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    IStorage* storage = nullptr;
    ASSERT_EQ(callback.GetNewStorage(&storage), S_OK);
    ASSERT_NE(storage, nullptr);
    IStream* stream = nullptr;
    EXPECT_EQ(storage->CreateStream(L"Contents", STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_WRITE, 0, 0, &stream), S_OK);
    ULONG written = 0;
    EXPECT_EQ(stream->Write("data", 4, &written), S_OK);
    stream->Release();
    STATSTG stat{};
    EXPECT_EQ(storage->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.pwcsName, nullptr);  // no file behind it
    storage->Release();
}

TEST(RichEditOleCallback, ClipboardDataFollowsTheAllowedCommands)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    IDataObject* data = reinterpret_cast<IDataObject*>(&host);
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_COPY, &data), E_NOTIMPL);
    EXPECT_EQ(data, nullptr);
    host.commands = {caPaste, caUndo};
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_COPY, &data), S_OK);
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_CUT, &data), S_OK);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_PASTE, &data), E_NOTIMPL);
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_DRAG, &data), E_NOTIMPL);
    EXPECT_EQ(callback.GetClipboardData(nullptr, RECO_DROP, &data), E_NOTIMPL);
}

TEST(RichEditOleCallback, AcceptsDataUnlessAPasteIsNotAllowed)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    CLIPFORMAT format = CF_TEXT;
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr), S_OK);
    host.commands = {caCopy};
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr), S_FALSE);
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_DROP, TRUE, nullptr), S_OK);
    EXPECT_EQ(host.lastOperation, rdoDrop);
    host.flipRefusal = true;  // the handler has the last word
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr), S_OK);
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_DROP, TRUE, nullptr), S_FALSE);
    host.throwOnQuery = true;
    EXPECT_EQ(callback.QueryAcceptData(nullptr, &format, RECO_DROP, TRUE, nullptr), E_UNEXPECTED);
}

TEST(RichEditOleCallback, DragEffectIsTheControlsUnlessAHandlerDecides)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(callback.GetDragDropEffect(TRUE, MK_CONTROL | MK_LBUTTON | 0x20, &effect), E_NOTIMPL);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_TRUE(host.lastDrag);
    EXPECT_EQ(host.lastKeys, (TShiftState{ssCtrl, ssLeft, ssAlt}));
    host.handleDrag = true;
    EXPECT_EQ(callback.GetDragDropEffect(FALSE, 0, &effect), S_OK);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_LINK));
    EXPECT_FALSE(host.lastDrag);
}

TEST(RichEditOleCallback, InPlaceContextNeedsAFormAndPermission)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    IOleInPlaceFrame* frame = reinterpret_cast<IOleInPlaceFrame*>(&host);
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(&host);
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    EXPECT_EQ(callback.GetInPlaceContext(&frame, &document, &info), E_NOTIMPL);  // no form
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(document, nullptr);

    TestWindow form;
    host.form = form.handle();
    host.allowInPlace = false;
    EXPECT_EQ(callback.GetInPlaceContext(&frame, &document, &info), E_NOTIMPL);
    EXPECT_EQ(callback.ShowContainerUI(FALSE), E_NOTIMPL);

    host.allowInPlace = true;
    ASSERT_EQ(callback.GetInPlaceContext(&frame, &document, &info), S_OK);
    HWND window = nullptr;
    frame->GetWindow(&window);
    EXPECT_EQ(window, form.handle());
    EXPECT_EQ(info.hwndFrame, form.handle());
    EXPECT_FALSE(info.fMDIApp);
    EXPECT_NE(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 1u);
    frame->Release();
    document->Release();

    EXPECT_EQ(callback.ShowContainerUI(FALSE), S_OK);
    EXPECT_EQ(host.activations, 1);
    EXPECT_FALSE(host.autoScroll);
    EXPECT_EQ(callback.ShowContainerUI(TRUE), S_OK);
    EXPECT_EQ(host.deactivations, 1);
    EXPECT_TRUE(host.autoScroll);
    EXPECT_EQ(callback.ShowContainerUI(TRUE), E_NOTIMPL);  // nothing held any more
}

TEST(RichEditOleCallback, ControlAsksBeforeInsertingEachPicture)
{
    TestHost host;
    TRichEditOleCallback callback(host);
    TestWindow parent;
    RichEditWindow edit(parent.handle());
    ::SendMessageW(edit.handle(), EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(&callback));
    std::string rtf = std::string(rtf_samples::kHeader) + "a " + rtf_samples::Picture(4, 4, 0xff0000) + " b " +
                      rtf_samples::EmbeddedObject(4, 4, 0x0000ff) + " c}";
    StreamInRtf(edit.handle(), rtf);
    IRichEditOle* ole = nullptr;
    ::SendMessageW(edit.handle(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    ASSERT_NE(ole, nullptr);
    EXPECT_EQ(ole->GetObjectCount(), 2);
    ole->Release();
    EXPECT_GT(callback.References(), 0u);  // the control holds the callback
    edit.reset();
    EXPECT_EQ(callback.References(), 0u);  // and lets it go with its window
}

}  // namespace
}  // namespace ov
