// TDateTimePicker: styles from Kind and DateMode, the value kept across window re-creation, and
// the DTN_DATETIMECHANGE notification.
#include "framework/controls/date_time_picker.h"

#include <commctrl.h>

#include <cstdio>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TDateTimePicker::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TDateTimePicker>(L"TDateTimePicker", TWinControl::StaticClass())
            .Creatable()
            .Property(L"Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
            .Property(L"DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat)
            .Property(L"DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode)
            .Property(L"Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
            .Property(L"Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
            .Event(L"OnChange", &TDateTimePicker::OnChange)
            .Build();
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 186, 24);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetControlStyle(ControlStyle().Include(csAcceptsControls));
    GetLocalTime(&value_);
    value_.wMilliseconds = 0;
}

void TDateTimePicker::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, DATETIMEPICK_CLASSW);
    if (kind_ == dtkTime)
        params.Style |= DTS_TIMEFORMAT;
    else if (dateMode_ == dmUpDown)
        params.Style |= DTS_UPDOWN;
    if (kind_ == dtkDate && dateFormat_ == dfLong)
        params.Style |= DTS_LONGDATEFORMAT;
}

void TDateTimePicker::CreateWnd()
{
    TWinControl::CreateWnd();
    DateTime_SetSystemtime(WindowHandle(), GDT_VALID, &value_);
}

void TDateTimePicker::DestroyWnd()
{
    if (HandleAllocated())
        value_ = DateTime();
    TWinControl::DestroyWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() const
{
    SYSTEMTIME value = value_;
    if (HandleAllocated())
        DateTime_GetSystemtime(WindowHandle(), &value);
    return value;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value)
{
    value_ = value;
    if (HandleAllocated())
        DateTime_SetSystemtime(WindowHandle(), GDT_VALID, &value_);
}

std::wstring TDateTimePicker::Date() const
{
    SYSTEMTIME t = DateTime();
    wchar_t text[16];
    swprintf(text, 16, L"%04u-%02u-%02u", t.wYear, t.wMonth, t.wDay);
    return text;
}

void TDateTimePicker::SetDate(const std::wstring& value)
{
    unsigned year, month, day;
    if (swscanf(value.c_str(), L"%4u-%2u-%2u", &year, &month, &day) != 3 || month < 1 || month > 12 || day < 1 ||
        day > 31)
        return;
    SYSTEMTIME t = DateTime();
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    // The day of the week follows from the date: a round trip through FILETIME fills it in.
    FILETIME file;
    if (SystemTimeToFileTime(&t, &file))
        FileTimeToSystemTime(&file, &t);
    SetDateTime(t);
}

std::wstring TDateTimePicker::Time() const
{
    SYSTEMTIME t = DateTime();
    wchar_t text[16];
    swprintf(text, 16, L"%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    return text;
}

void TDateTimePicker::SetTime(const std::wstring& value)
{
    unsigned hour, minute, second = 0;
    if (swscanf(value.c_str(), L"%2u:%2u:%2u", &hour, &minute, &second) < 2 || hour > 23 || minute > 59 || second > 59)
        return;
    SYSTEMTIME t = DateTime();
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    t.wMilliseconds = 0;
    SetDateTime(t);
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    if (kind_ == value)
        return;
    kind_ = value;
    RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode value)
{
    if (dateMode_ == value)
        return;
    dateMode_ = value;
    RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    if (dateFormat_ == value)
        return;
    dateFormat_ = value;
    RecreateWnd();
}

void TDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(message.LParam)->code == DTN_DATETIMECHANGE) {
        value_ = DateTime();
        OnChange.Fire(this);
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
