// TDateTimePicker: a date or a time to pick, over the system date and time picker
// (SysDateTimePick32): Kind, DateMode (a drop-down calendar or spin buttons), Date and Time.
#pragma once

#include <windows.h>

#include <string>

#include "framework/forms/win_control.h"

namespace ov {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };
OV_ENUM_TYPE(TDateTimeKind, L"dtkDate", L"dtkTime")
OV_ENUM_TYPE(TDTDateMode, L"dmComboBox", L"dmUpDown")
OV_ENUM_TYPE(TDTDateFormat, L"dfShort", L"dfLong")

// The value is one SYSTEMTIME; Date is its day ("2026-12-07" in layouts), Time its time of day
// ("14:30:00"). A time picker and a date picker in dmUpDown mode show spin buttons, a date picker
// in dmComboBox mode a drop-down calendar. The control accepts child controls (something laid
// over its buttons). OnChange fires when the user changes the value. Changing Kind, DateMode or
// DateFormat re-creates the window; the value survives.
class TDateTimePicker : public TWinControl {
    OV_CLASS(TDateTimePicker, TWinControl)

    explicit TDateTimePicker(TComponent* owner);

    [[nodiscard]] TDateTimeKind Kind() const noexcept { return kind_; }
    void SetKind(TDateTimeKind value);
    [[nodiscard]] TDTDateMode DateMode() const noexcept { return dateMode_; }
    void SetDateMode(TDTDateMode value);
    [[nodiscard]] TDTDateFormat DateFormat() const noexcept { return dateFormat_; }
    void SetDateFormat(TDTDateFormat value);

    [[nodiscard]] SYSTEMTIME DateTime() const;
    void SetDateTime(const SYSTEMTIME& value);
    // "yyyy-mm-dd" and "hh:mm:ss"; a text that is not one leaves the value as it is.
    [[nodiscard]] std::wstring Date() const;
    void SetDate(const std::wstring& value);
    [[nodiscard]] std::wstring Time() const;
    void SetTime(const std::wstring& value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
    TDTDateFormat dateFormat_ = dfShort;
    SYSTEMTIME value_{};
};

}  // namespace ov
