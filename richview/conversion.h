// Conversions: the objects through which a view's content is read from and written to a stream
// or a file. TOvConversion is the interface, TOvStreamConversion moves bytes to and from a
// TStream with progress, TOvRTFConversion and TOvTextConversion are the two registered kinds.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/class_info.h"
#include "framework/core/event.h"
#include "framework/core/streams.h"

namespace ov {

class TOvConversion;
using TConversionProgressEvent = TEvent<void(TOvConversion* Sender)>;

class TOvConversion : public TObject {
public:
    ~TOvConversion() override = default;

    // extension: lower case, without the dot.
    [[nodiscard]] virtual bool AcceptsExtension(const std::wstring& extension, bool forSaving) const { return true; }
    [[nodiscard]] virtual bool AcceptsStreams(bool forSaving) const { return true; }
    // "Description (*.ext)|*.ext" for file dialogs.
    [[nodiscard]] virtual std::wstring Filter() const { return {}; }
    // 1 and 3 load as rich text, 0 and 2 as plain text.
    [[nodiscard]] virtual int TextKind() const { return 1; }
    virtual bool FileContentCorrect(const std::wstring& fileName) { return true; }
    // Looks at the bytes from the stream's position on; the position is left as it was.
    virtual bool StreamContentCorrect(TStream& stream) { return true; }
    virtual bool OpenFile(const std::wstring& fileName, bool forSaving) { return false; }
    virtual bool OpenStream(TStream& stream, bool forSaving) { return false; }
    virtual void SetParentWindow(HWND window) { parentWindow_ = window; }
    virtual void Close() { parentWindow_ = nullptr; }
    // Goes back to where reading started, for a second attempt in another format.
    virtual bool Rewind() { return false; }
    // Bytes moved, or -1 when the conversion cannot move any.
    virtual std::int64_t Read(void* buffer, std::int64_t count) { return -1; }
    virtual std::int64_t Write(const void* buffer, std::int64_t count) { return -1; }
    [[nodiscard]] virtual bool Cancelled() const { return false; }
    [[nodiscard]] virtual bool ErrorOccurred() const { return false; }
    [[nodiscard]] virtual std::wstring ErrorMessage() const { return {}; }

    [[nodiscard]] HWND ParentWindow() const noexcept { return parentWindow_; }
    [[nodiscard]] int Percent() const noexcept { return percent_; }
    // Clamps to 0..100; a changed value is stored and reported through OnProgress.
    void SetPercent(int value);

    TConversionProgressEvent OnProgress;

protected:
    // A new transfer starts from nothing done; nothing is reported.
    void ResetPercent() noexcept { percent_ = 0; }

private:
    HWND parentWindow_ = nullptr;
    int percent_ = 0;
};

// Reads and writes a TStream: the caller's (not owned) or a file it opened itself (owned).
class TOvStreamConversion : public TOvConversion {
public:
    bool OpenFile(const std::wstring& fileName, bool forSaving) override;
    bool OpenStream(TStream& stream, bool forSaving) override;
    void Close() override;
    bool Rewind() override;
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;

    [[nodiscard]] TStream* Stream() const noexcept { return stream_; }
    [[nodiscard]] std::int64_t StartPosition() const noexcept { return startPosition_; }
    [[nodiscard]] std::int64_t StreamSize() const noexcept { return size_; }
    [[nodiscard]] std::int64_t BytesConverted() const noexcept { return converted_; }

private:
    void Moved(std::int64_t count);

    TStream* stream_ = nullptr;
    std::unique_ptr<TStream> ownedStream_;
    std::int64_t startPosition_ = 0;
    std::int64_t size_ = 0;  // the stream's end when it was opened
    std::int64_t converted_ = 0;
};

class TOvTextConversion : public TOvStreamConversion {
public:
    [[nodiscard]] bool AcceptsExtension(const std::wstring& extension, bool forSaving) const override;
    [[nodiscard]] std::wstring Filter() const override { return L"Plain text (*.txt)|*.txt"; }
    [[nodiscard]] int TextKind() const override { return 2; }
};

class TOvRTFConversion : public TOvStreamConversion {
public:
    [[nodiscard]] bool AcceptsExtension(const std::wstring& extension, bool forSaving) const override;
    [[nodiscard]] std::wstring Filter() const override { return L"Rich Text Format (*.rtf)|*.rtf"; }
    [[nodiscard]] int TextKind() const override { return 3; }
    bool FileContentCorrect(const std::wstring& fileName) override;
    // The next five bytes are "{\rtf" in any mix of cases.
    bool StreamContentCorrect(TStream& stream) override;
};

}  // namespace ov
